// SPDX-License-Identifier: Apache-2.0
#include "ui/press_label.h"

#include <QMouseEvent>

namespace harvela {

void PressLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && handler_) {
        handler_();
    }
    event->accept();
}

void PressLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // QWidget would treat it as one more press.
    event->accept();
}

}  // namespace harvela
