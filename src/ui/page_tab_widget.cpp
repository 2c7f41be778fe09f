// SPDX-License-Identifier: Apache-2.0
#include "ui/page_tab_widget.h"

#include <QTabBar>

namespace harvela {

namespace {

class LowTabBar : public QTabBar {
protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(PageTabWidget::kTabRowHeight);
        return size;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

}  // namespace

PageTabWidget::PageTabWidget()
{
    setTabBar(new LowTabBar);  // the tab control owns its tab bar
    setTabPosition(QTabWidget::North);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    // Not a tab stop, and clicking a tab leaves the focus where it is.
    setFocusPolicy(Qt::NoFocus);
    tabBar()->setFocusPolicy(Qt::NoFocus);
}

void PageTabWidget::place(QWidget& control, QWidget& page, QRect rect)
{
    control.setParent(&page);
    placements_.push_back({&control, rect});
    placeControls();
}

QRect PageTabWidget::placeOf(const QWidget& control) const
{
    return QRect(control.mapTo(this, QPoint(0, 0)), control.size());
}

void PageTabWidget::resizeEvent(QResizeEvent* event)
{
    QTabWidget::resizeEvent(event);
    placeControls();
}

void PageTabWidget::showEvent(QShowEvent* event)
{
    QTabWidget::showEvent(event);
    placeControls();
}

void PageTabWidget::placeControls()
{
    for (const Placement& placement : placements_) {
        if (placement.control == nullptr) {
            continue;
        }
        const QWidget& page = *placement.control->parentWidget();
        const QPoint pageOrigin = page.mapTo(this, QPoint(0, 0));
        placement.control->setGeometry(placement.rect.translated(-pageOrigin));
    }
}

}  // namespace harvela
