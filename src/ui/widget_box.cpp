// SPDX-License-Identifier: Apache-2.0
#include "ui/widget_box.h"

#include <utility>

namespace harvela {

Text WidgetBox::read() const
{
    if (!changedSinceWrite_) {
        return written_;
    }
    const QString shown = shownText();
    if (shownForWritten_ && shown == *shownForWritten_) {
        return written_;
    }
    return textFromShown(shown, lines_);
}

void WidgetBox::write(Text text)
{
    writing_ = true;
    showText(shownFromText(text, lines_));
    writing_ = false;
    written_ = std::move(text);
    changedSinceWrite_ = false;
    // To recognise an edit undone by hand, an editable box keeps what the
    // write shows; a read-only box, which only the program changes, is spared
    // reading its whole text back after every write.
    shownForWritten_ = userEditable() ? std::optional(shownText()) : std::nullopt;
    raiseTextChanged();
}

void WidgetBox::widgetTextChanged()
{
    // A write reports its change itself, once, when it is complete.
    if (!writing_) {
        changedSinceWrite_ = true;
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
