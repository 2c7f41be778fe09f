// SPDX-License-Identifier: Apache-2.0
#pragma once

// A multi-line box: wraps at its right edge; a line break is CR LF in its text.

#include <QPlainTextEdit>

#include "ui/widget_box.h"

namespace harvela {

class MultiLineBox : public QPlainTextEdit, public WidgetBox {
public:
    MultiLineBox();
    ~MultiLineBox() override;

protected:
    QString shownText() const override;
    void showText(const QString& shown) override { setPlainText(shown); }
    bool userEditable() const override { return !isReadOnly(); }

private:
    QMetaObject::Connection changes_;
};

}  // namespace harvela
