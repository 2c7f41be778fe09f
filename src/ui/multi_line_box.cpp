// SPDX-License-Identifier: Apache-2.0
#include "ui/multi_line_box.h"

#include <QTextDocument>

namespace harvela {

MultiLineBox::MultiLineBox() : WidgetBox(BoxLines::multiple)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    changes_ = connect(this, &QPlainTextEdit::textChanged, this, [this] { widgetTextChanged(); });
}

MultiLineBox::~MultiLineBox()
{
    disconnect(changes_);
}

QString MultiLineBox::shownText() const
{
    // The raw text keeps every character as typed (toPlainText would turn a
    // no-break space into a space).
    return document()->toRawText();
}

}  // namespace harvela
