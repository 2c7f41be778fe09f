// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the window needs before it can be built: the face that stands in for
// the Song face "宋体" and the program's icon.

#include <QFont>
#include <QIcon>
#include <QString>

namespace harvela {

struct WindowDefinition {
    QString songFamily;  // empty when no Song/Ming-style face is installed
    QIcon icon;

    // The Song face at a character height in pixels, normal weight.
    QFont songFont(int pixelHeight) const;
};

// Needs the user-interface system to be prepared (a QApplication).
WindowDefinition prepareWindowDefinition();

}  // namespace harvela
