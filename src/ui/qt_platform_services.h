// SPDX-License-Identifier: Apache-2.0
#pragma once

// The desktop services of a Qt desktop: the system clipboard, a message box
// and the desktop's URL opener. Texts are GBK and shown as their characters.

#include "ui/platform_services.h"

namespace harvela {

class QtPlatformServices : public PlatformServices {
public:
    // Plain text replacing the whole clipboard; read back to know it arrived.
    bool setClipboardText(const Text& text) override;
    // One OK button, no icon, no owner, modal for the whole program.
    void showMessageBox(const Text& text, const Text& caption) override;
    // Hands the address to the desktop and returns at once.
    void openAddress(const Text& address) override;
};

}  // namespace harvela
