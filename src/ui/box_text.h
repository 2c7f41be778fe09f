// SPDX-License-Identifier: Apache-2.0
#pragma once

// How a box's GBK text and the Unicode text its widget shows map onto each
// other. In a multi-line box a line break is CR LF in the text and a line
// break in the widget.

#include <QString>

#include "text/text.h"

namespace harvela {

enum class BoxLines { single, multiple };

QString shownFromText(const Text& text, BoxLines lines);
Text textFromShown(const QString& shown, BoxLines lines);

}  // namespace harvela
