// SPDX-License-Identifier: Apache-2.0
#pragma once

// A label that runs its handler when the left mouse button goes down on it,
// not when it comes up. The second press of a double-click is a double-click,
// which has no handler.

#include <QLabel>

#include <functional>

namespace harvela {

class PressLabel : public QLabel {
public:
    void onPressed(std::function<void()> handler) { handler_ = std::move(handler); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::function<void()> handler_;
};

}  // namespace harvela
