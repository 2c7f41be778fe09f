// SPDX-License-Identifier: Apache-2.0
#pragma once

// The tab control. Its pages' controls are placed in the tab control's own
// coordinates, whose top part is the row of tabs; the row of tabs is kept
// low, as a native tab control draws it, so that controls placed just under it
// show whole.

#include <QPointer>
#include <QRect>
#include <QTabWidget>

#include <vector>

namespace harvela {

class PageTabWidget : public QTabWidget {
public:
    static constexpr int kTabRowHeight = 20;

    PageTabWidget();

    // Puts control on the page, at rect in this tab control's coordinates.
    void place(QWidget& control, QWidget& page, QRect rect);
    // Where control sits in this tab control's coordinates.
    QRect placeOf(const QWidget& control) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Placement {
        QPointer<QWidget> control;
        QRect rect;
    };
    void placeControls();

    std::vector<Placement> placements_;
};

}  // namespace harvela
