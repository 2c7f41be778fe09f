// SPDX-License-Identifier: Apache-2.0
#pragma once

// Single-line boxes: a plain one, and the amount box that takes only the
// characters of a number from the keyboard.

#include <QLineEdit>

#include "ui/widget_box.h"

namespace harvela {

class SingleLineBox : public QLineEdit, public WidgetBox {
public:
    SingleLineBox();
    ~SingleLineBox() override;

protected:
    QString shownText() const override { return text(); }
    void showText(const QString& shown) override { setText(shown); }
    bool userEditable() const override { return !isReadOnly(); }

private:
    QMetaObject::Connection changes_;
};

// Of the printable characters the user types, only "0"-"9", "." and "-" get
// in; others are dropped without a sound. Control keys (Backspace, the copy,
// cut, paste and undo shortcuts) pass. Pasted text is not filtered.
class DecimalInputBox : public SingleLineBox {
public:
    static bool isAcceptedTyped(QChar character);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace harvela
