// SPDX-License-Identifier: Apache-2.0
#pragma once

// The window 窗口: the tab control 选择夹1 with its four pages, the eight edit
// boxes, thirteen buttons and two labels. Every control's objectName is its
// name (编辑框1, 按钮1, 透明标签2, ...). The window handles Esc and Tab before the
// focused control sees them: Esc closes it, Tab and Shift+Tab follow the tab
// order of the page shown.
//
// Handlers are bound from outside: the text-changed handler of a box through
// editBox(n).onTextChanged, a button's clicked handler through
// onButtonClicked, the author label's through onAuthorLabelPressed.

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "ui/multi_line_box.h"
#include "ui/page_tab_widget.h"
#include "ui/press_label.h"
#include "ui/single_line_box.h"
#include "ui/window_definition.h"

namespace harvela {

class MainWindow : public QWidget {
public:
    // The outer size the window is centred by, and the client area inside
    // a fixed frame of that size.
    static constexpr QSize kOuterSize{417, 332};
    static constexpr QSize kClientSize{411, 304};
    static constexpr int kEditBoxCount = 8;
    static constexpr int kButtonCount = 13;
    static constexpr int kPageCount = 4;

    explicit MainWindow(const WindowDefinition& definition);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // 编辑框<number>, 1 to 8.
    WidgetBox& editBox(int number);
    // 按钮<number>, 1 to 13.
    QPushButton& button(int number);
    PageTabWidget& tabs() { return tabs_; }
    PressLabel& authorLabel() { return authorLabel_; }

    // One handler per button: binding again replaces it.
    void onButtonClicked(int number, std::function<void()> handler);
    void onAuthorLabelPressed(std::function<void()> handler);

    // The window's outer top-left corner, centred on a screen of that size.
    static QPoint centredPosition(const QRect& screen);
    // Centres the window on its screen, shows and activates it, and puts
    // the focus into 编辑框1.
    void showCentred();

    // The tab stops of a page (0 to 3), in tab order.
    const std::vector<QWidget*>& tabOrder(int page) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBoxes(const WindowDefinition& definition);
    void buildButtons();
    void buildLabels(const WindowDefinition& definition);
    void buildTabOrders();
    QWidget& controlNamed(const QString& name);
    void moveFocus(bool forward);
    void focusPageInput(int page);
    bool belongsHere(QObject* object) const;

    // Parents are declared before their children, so children go first.
    PageTabWidget tabs_;
    std::array<QWidget, kPageCount> pages_;
    DecimalInputBox amountBox_;                                  // 编辑框1
    std::array<MultiLineBox, kEditBoxCount - 1> multiLineBoxes_;  // 编辑框2 … 编辑框8
    std::array<QPushButton, kButtonCount> buttons_;
    std::array<std::function<void()>, kButtonCount> buttonHandlers_;
    QLabel noticeLabel_;      // 透明标签1
    PressLabel authorLabel_;  // 透明标签2
    std::array<std::vector<QWidget*>, kPageCount> tabOrders_;
    QMetaObject::Connection pageChanges_;
};

}  // namespace harvela
