// SPDX-License-Identifier: Apache-2.0
#include "ui/single_line_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace harvela {

namespace {

bool isPrintable(QChar character)
{
    return character.unicode() >= 0x20;
}

// Ctrl or Alt with a key types no character, whatever text the platform
// attaches to the event; Ctrl+Alt does, as AltGr on some keyboards.
bool isShortcut(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testAnyFlags(Qt::ControlModifier | Qt::MetaModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    return control != alt;
}

QString acceptedPart(const QString& typed)
{
    QString accepted;
    for (const QChar character : typed) {
        if (DecimalInputBox::isAcceptedTyped(character)) {
            accepted.append(character);
        }
    }
    return accepted;
}

}  // namespace

SingleLineBox::SingleLineBox() : WidgetBox(BoxLines::single)
{
    changes_ = connect(this, &QLineEdit::textChanged, this, [this] { widgetTextChanged(); });
}

SingleLineBox::~SingleLineBox()
{
    disconnect(changes_);
}

bool DecimalInputBox::isAcceptedTyped(QChar character)
{
    if (!isPrintable(character)) {
        return true;
    }
    const char16_t code = character.unicode();
    return (code >= u'0' && code <= u'9') || code == u'.' || code == u'-';
}

void DecimalInputBox::keyPressEvent(QKeyEvent* event)
{
    if (isShortcut(*event)) {
        SingleLineBox::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    const QString accepted = acceptedPart(typed);
    if (accepted == typed) {
        SingleLineBox::keyPressEvent(event);
        return;
    }
    // One key event may carry several characters; the accepted ones get in.
    if (!accepted.isEmpty()) {
        insert(accepted);
    }
    event->accept();
}

void DecimalInputBox::inputMethodEvent(QInputMethodEvent* event)
{
    // Text committed by an input method counts as typed: it is filtered too.
    const QString accepted = acceptedPart(event->commitString());
    if (accepted == event->commitString()) {
        SingleLineBox::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    SingleLineBox::inputMethodEvent(&filtered);
    event->accept();
}

}  // namespace harvela
