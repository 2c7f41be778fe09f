// SPDX-License-Identifier: Apache-2.0
#pragma once

// What a screen reader announces for the window's controls: every page, edit
// box and button gets a Chinese accessible name that says what it is for, and
// a description where names repeat (the four copy buttons, the three clear
// buttons). Press labels are announced as links; the author label is the link
// "Vintrel" whose description is the author's address. Only what assistive
// technology reads changes: no keys, tab orders or events.

#include <QWidget>

namespace harvela {

// Names the controls of the window 窗口, found by their object names.
void nameControlsForScreenReaders(QWidget& window);

}  // namespace harvela
