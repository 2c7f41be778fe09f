// SPDX-License-Identifier: Apache-2.0
#pragma once

// The desktop services the buttons use. The window hands the real ones (Qt's
// clipboard, message box and URL opener) to the handlers; tests substitute them.

#include "text/text.h"

namespace harvela {

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Replaces the whole clipboard with the text as plain text; false when the
    // text could not be placed there.
    virtual bool setClipboardText(const Text& text) = 0;
    // A modal box with the text, the caption, one OK button and no icon;
    // returns when the user presses OK.
    virtual void showMessageBox(const Text& text, const Text& caption) = 0;
    // Asks the desktop to open the address; the outcome is not examined.
    virtual void openAddress(const Text& address) = 0;

protected:
    PlatformServices() = default;
    PlatformServices(const PlatformServices&) = default;
    PlatformServices& operator=(const PlatformServices&) = default;
};

}  // namespace harvela
