// SPDX-License-Identifier: Apache-2.0
#include "ui/widget_box.h"

namespace harvela {

Text WidgetBox::read() const
{
    const QString shown = shownText();
    if (shown == shownForWritten_) {
        return written_;
    }
    return textFromShown(shown, lines_);
}

void WidgetBox::write(const Text& text)
{
    writing_ = true;
    showText(shownFromText(text, lines_));
    writing_ = false;
    written_ = text;
    shownForWritten_ = shownText();
    raiseTextChanged();
}

void WidgetBox::widgetTextChanged()
{
    // A write reports its change itself, once, when it is complete.
    if (!writing_) {
        raiseTextChanged();
    }
}

void WidgetBox::raiseTextChanged()
{
    if (handler_) {
        handler_();
    }
}

}  // namespace harvela
