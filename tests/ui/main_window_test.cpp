// SPDX-License-Identifier: Apache-2.0
// The window 窗口: its controls, their places, keyboard focus and the keys
// the window handles itself.

#include <QApplication>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gbk.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/qt_platform_services.h"

namespace harvela {
namespace {

QString name(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : definition(prepareWindowDefinition()), window(definition) {}

    void show()
    {
        window.showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget& control(const char* utf8)
    {
        auto* found = window.findChild<QWidget*>(name(utf8));
        EXPECT_NE(found, nullptr) << utf8;
        return found != nullptr ? *found : static_cast<QWidget&>(window);
    }
    std::string focusName() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? "(none)" : focus->objectName().toStdString();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : static_cast<QWidget*>(&window), key, modifiers);
    }

    WindowDefinition definition;
    MainWindow window;
};

TEST_F(MainWindowTest, StartsOnPageOneWithEmptyBoxesAndTheFocusInTheAmountBox)
{
    show();
    EXPECT_EQ(window.objectName(), name("窗口"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Harvela"));
    EXPECT_EQ(window.tabs().currentIndex(), 0);
    EXPECT_EQ(focusName(), "编辑框1");
    for (int number = 1; number <= MainWindow::kEditBoxCount; ++number) {
        EXPECT_EQ(readBoxText(window.editBox(number)), Text()) << number;
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.pos(), QPoint((screen.width() - 417) / 2, (screen.height() - 332) / 2));
}

TEST_F(MainWindowTest, CentresOnTheWholeScreenRoundingTowardZero)
{
    EXPECT_EQ(MainWindow::centredPosition(QRect(0, 0, 1024, 768)), QPoint(303, 218));
    EXPECT_EQ(MainWindow::centredPosition(QRect(0, 0, 1025, 769)), QPoint(304, 218));
    EXPECT_EQ(MainWindow::centredPosition(QRect(0, 0, 400, 300)), QPoint(-8, -16));
    EXPECT_EQ(MainWindow::centredPosition(QRect(1920, 0, 1024, 768)), QPoint(2223, 218));
}

TEST_F(MainWindowTest, HasAFixedFrameWithOnlyTheSystemMenuAndTheCloseButton)
{
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.size(), MainWindow::kClientSize);
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.parentWidget(), nullptr);
}

TEST_F(MainWindowTest, HasItsOwnIconInEverySize)
{
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 64, 128}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage image = window.windowIcon().pixmap(QSize(size, size)).toImage();
        EXPECT_EQ(image.depth(), 32);
        EXPECT_NE(image.pixelColor(size / 2, size / 2).alpha(), 0) << "the icon is drawn";
    }
}

struct Place {
    const char* name;
    int page;  // -1: the window itself
    QRect rect;
};

// Places in the tab control for page controls, in the window's client area otherwise.
const Place kPlaces[] = {
    {"选择夹1", -1, {11, 4, 390, 276}},
    {"透明标签2", -1, {352, 282, 48, 16}},
    {"编辑框1", 0, {15, 44, 360, 30}},
    {"透明标签1", 0, {19, 76, 168, 32}},
    {"按钮1", 0, {313, 77, 60, 30}},
    {"编辑框2", 0, {15, 108, 360, 152}},
    {"编辑框4", 1, {7, 23, 376, 110}},
    {"按钮2", 1, {96, 136, 50, 22}},
    {"按钮3", 1, {171, 136, 50, 22}},
    {"按钮11", 1, {269, 136, 50, 22}},
    {"按钮4", 1, {325, 136, 50, 22}},
    {"编辑框3", 1, {7, 159, 376, 110}},
    {"编辑框7", 2, {7, 23, 376, 110}},
    {"按钮8", 2, {69, 136, 80, 22}},
    {"按钮9", 2, {166, 136, 80, 22}},
    {"按钮12", 2, {266, 136, 50, 22}},
    {"按钮10", 2, {325, 136, 50, 22}},
    {"编辑框8", 2, {7, 159, 376, 110}},
    {"编辑框5", 3, {7, 23, 376, 110}},
    {"按钮5", 3, {60, 136, 88, 22}},
    {"按钮6", 3, {162, 136, 88, 22}},
    {"按钮13", 3, {269, 136, 50, 22}},
    {"按钮7", 3, {325, 136, 50, 22}},
    {"编辑框6", 3, {7, 159, 376, 110}},
};

TEST_F(MainWindowTest, EveryControlSitsAtItsPlaceOnItsPageAndShowsWhole)
{
    show();
    for (int page = 0; page < MainWindow::kPageCount; ++page) {
        window.tabs().setCurrentIndex(page);
        const QRect pageArea(window.tabs().currentWidget()->mapTo(&window.tabs(), QPoint(0, 0)),
                             window.tabs().currentWidget()->size());
        for (const Place& place : kPlaces) {
            QWidget& widget = control(place.name);
            if (place.page == -1) {
                EXPECT_EQ(widget.geometry(), place.rect) << place.name;
                EXPECT_TRUE(widget.isVisible()) << place.name;
                continue;
            }
            EXPECT_EQ(widget.isVisible(), place.page == page) << place.name;
            if (place.page == page) {
                EXPECT_EQ(window.tabs().placeOf(widget), place.rect) << place.name;
                EXPECT_TRUE(pageArea.contains(place.rect)) << place.name << " is cut off";
                EXPECT_TRUE(widget.isEnabled()) << place.name;
            }
        }
    }
}

TEST_F(MainWindowTest, PagesAndCaptions)
{
    const char* titles[] = {"人民币大写转换", "繁体字转换", "火星文转换", "URL编码解码"};
    ASSERT_EQ(window.tabs().count(), 4);
    for (int page = 0; page < 4; ++page) {
        EXPECT_EQ(window.tabs().tabText(page), name(titles[page]));
    }
    const char* captions[] = {"复制", "简→繁", "繁→简", "复制", "UTF-8→GB2312", "GB2312→UTF-8", "复制",
                              "简体→火星文", "火星文→简体", "复制", "清空", "清空", "清空"};
    for (int number = 1; number <= MainWindow::kButtonCount; ++number) {
        QPushButton& button = window.button(number);
        EXPECT_EQ(button.objectName(), QStringLiteral("按钮%1").arg(number));
        EXPECT_EQ(button.text(), name(captions[number - 1])) << number;
        EXPECT_FALSE(button.autoDefault()) << number;
        EXPECT_FALSE(button.isDefault()) << number;
        EXPECT_LE(QFontMetrics(button.font()).horizontalAdvance(button.text()), button.width())
            << number << " shows its caption whole";
    }
}

TEST_F(MainWindowTest, BoxesLabelsFontsAndColours)
{
    auto& amount = static_cast<QLineEdit&>(control("编辑框1"));
    EXPECT_EQ(amount.font().pixelSize(), 24);
    EXPECT_EQ(amount.font().family(), definition.songFont(24).family());
    EXPECT_EQ(control("编辑框2").font().pixelSize(), 21);
    EXPECT_EQ(control("透明标签1").font().pixelSize(), 14);
    EXPECT_FALSE(definition.songFamily.isEmpty()) << "a Song/Ming face is installed";

    for (const char* readOnly : {"编辑框2", "编辑框3", "编辑框8", "编辑框6"}) {
        auto& box = static_cast<QPlainTextEdit&>(control(readOnly));
        EXPECT_TRUE(box.isReadOnly()) << readOnly;
        EXPECT_TRUE(box.textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard)) << readOnly;
    }
    for (const char* free : {"编辑框4", "编辑框7", "编辑框5"}) {
        EXPECT_FALSE(static_cast<QPlainTextEdit&>(control(free)).isReadOnly()) << free;
    }
    EXPECT_EQ(static_cast<QPlainTextEdit&>(control("编辑框2")).verticalScrollBarPolicy(),
              Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(static_cast<QPlainTextEdit&>(control("编辑框3")).verticalScrollBarPolicy(),
              Qt::ScrollBarAlwaysOn);
    for (int number = 1; number <= MainWindow::kEditBoxCount; ++number) {
        const QPalette palette = dynamic_cast<QWidget&>(window.editBox(number)).palette();
        EXPECT_EQ(palette.color(QPalette::Active, QPalette::Base), QColor(Qt::white)) << number;
        EXPECT_EQ(palette.color(QPalette::Active, QPalette::Text), QColor(Qt::black)) << number;
    }

    auto& author = static_cast<QLabel&>(control("透明标签2"));
    auto& notice = static_cast<QLabel&>(control("透明标签1"));
    EXPECT_EQ(author.text(), QStringLiteral("Vintrel"));
    EXPECT_EQ(author.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(author.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(author.parentWidget(), &window);
    EXPECT_EQ(notice.text(), name("请认真核对转换后的数据"));
    EXPECT_EQ(notice.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (QLabel* label : {&author, &notice}) {
        EXPECT_FALSE(label->autoFillBackground());
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
}

TEST_F(MainWindowTest, SelectionShowsOnlyWhileTheBoxHasTheFocus)
{
    show();
    window.tabs().setCurrentIndex(1);
    auto& box = static_cast<QPlainTextEdit&>(control("编辑框4"));
    writeBoxText(window.editBox(4), "selected selected selected");
    box.setFocus();
    box.selectAll();
    const QColor highlight = box.palette().color(QPalette::Active, QPalette::Highlight);
    const auto highlighted = [&] {
        const QImage image = box.viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) == highlight ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(highlighted(), 100);
    window.button(2).setFocus();
    EXPECT_EQ(highlighted(), 0);
}

struct TabOrder {
    int page;
    const char* start;  // where the focus is when the first Tab is pressed
    std::vector<const char*> forward;
};

const TabOrder kTabOrders[] = {
    {0, "编辑框1", {"编辑框2", "按钮1", "编辑框1", "编辑框2"}},
    {1, "编辑框4", {"按钮2", "按钮3", "按钮4", "按钮11", "按钮2"}},
    {1, "编辑框3", {"按钮2", "按钮3", "按钮4", "按钮11", "按钮2"}},
    {2, "编辑框7", {"编辑框8", "按钮8", "按钮9", "按钮10", "按钮12", "编辑框7"}},
    {3, "编辑框5", {"编辑框6", "按钮5", "按钮6", "按钮7", "按钮13", "编辑框5"}},
};

TEST_F(MainWindowTest, TabFollowsEachPagesOrderAndWraps)
{
    show();
    for (const TabOrder& order : kTabOrders) {
        window.tabs().setCurrentIndex(order.page);
        control(order.start).setFocus();
        for (const char* next : order.forward) {
            press(Qt::Key_Tab);
            EXPECT_EQ(focusName(), next) << "page " << order.page + 1;
        }
    }
}

TEST_F(MainWindowTest, ShiftTabGoesBackward)
{
    show();
    control("编辑框1").setFocus();
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        seen.push_back(focusName());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"按钮1", "编辑框2", "编辑框1", "按钮1"}));

    window.tabs().setCurrentIndex(1);
    control("编辑框4").setFocus();
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "按钮11");
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "按钮4");
}

TEST_F(MainWindowTest, TabNeverInsertsATabCharacter)
{
    show();
    window.tabs().setCurrentIndex(2);
    control("编辑框7").setFocus();
    QTest::keyClicks(&control("编辑框7"), "ab");
    press(Qt::Key_Tab);
    EXPECT_EQ(readBoxText(window.editBox(7)), Text("ab"));
    EXPECT_EQ(focusName(), "编辑框8");
}

TEST_F(MainWindowTest, SelectingAPageMovesTheFocusIntoItsInputBox)
{
    show();
    const char* inputs[] = {"编辑框1", "编辑框4", "编辑框7", "编辑框5"};
    for (const int page : {1, 2, 3, 0}) {
        window.tabs().setCurrentIndex(page);
        EXPECT_EQ(focusName(), inputs[page]);
    }
}

TEST_F(MainWindowTest, EnterPressesNoButtonAndStartsALineOnlyInMultiLineInputBoxes)
{
    show();
    int clicks = 0;
    for (int number = 1; number <= MainWindow::kButtonCount; ++number) {
        window.onButtonClicked(number, [&clicks] { ++clicks; });
    }
    press(Qt::Key_Return);
    EXPECT_EQ(readBoxText(window.editBox(1)), Text());
    control("按钮1").setFocus();
    press(Qt::Key_Return);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 0);

    for (const auto& [page, number] : {std::pair{1, 4}, std::pair{2, 7}, std::pair{3, 5}}) {
        window.tabs().setCurrentIndex(page);
        dynamic_cast<QWidget&>(window.editBox(number)).setFocus();
        QTest::keyClicks(QApplication::focusWidget(), "x");
        press(Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "y");
        EXPECT_EQ(readBoxText(window.editBox(number)), Text("x\r\ny")) << number;
    }
    EXPECT_EQ(clicks, 0);
}

TEST_F(MainWindowTest, EscClosesTheWindowFromAnyControl)
{
    for (const char* from : {"编辑框1", "编辑框2", "按钮1", "编辑框5", "编辑框3"}) {
        show();
        QWidget& start = control(from);
        for (int page = 0; page < 4; ++page) {
            if (window.tabs().widget(page)->isAncestorOf(&start)) {
                window.tabs().setCurrentIndex(page);
            }
        }
        start.setFocus();
        ASSERT_EQ(focusName(), from);
        press(Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible()) << from;
    }
}

TEST_F(MainWindowTest, ButtonsRunTheHandlerBoundToThem)
{
    show();
    std::vector<int> clicked;
    for (int number = 1; number <= MainWindow::kButtonCount; ++number) {
        window.onButtonClicked(number, [&clicked, number] { clicked.push_back(number); });
    }
    window.onButtonClicked(4, [&clicked] { clicked.push_back(-4); });  // binding again replaces
    for (const int page : {1, 3}) {
        window.tabs().setCurrentIndex(page);
        for (int number = 1; number <= MainWindow::kButtonCount; ++number) {
            if (window.button(number).isVisible()) {
                QTest::mouseClick(&window.button(number), Qt::LeftButton);
            }
        }
    }
    EXPECT_EQ(clicked, (std::vector<int>{2, 3, -4, 11, 5, 6, 7, 13}));
}

TEST_F(MainWindowTest, AuthorLabelRunsItsHandlerOnThePressAndOncePerDoubleClick)
{
    show();
    int presses = 0;
    window.onAuthorLabelPressed([&presses] { ++presses; });
    QWidget& label = control("透明标签2");
    QTest::mousePress(&label, Qt::LeftButton);
    EXPECT_EQ(presses, 1) << "before the button comes up";
    QTest::mouseRelease(&label, Qt::LeftButton);
    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_EQ(presses, 1) << "only the left button";

    // A double-click as the window system reports it: press, release, press, release.
    presses = 0;
    const QPoint centre = label.mapTo(&window, label.rect().center());
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
    EXPECT_EQ(presses, 1);
}

TEST_F(MainWindowTest, SwitchingPagesKeepsEveryBoxsText)
{
    show();
    for (int number = 1; number <= MainWindow::kEditBoxCount; ++number) {
        writeBoxText(window.editBox(number), gbk("框" + std::to_string(number)));
    }
    for (const int page : {1, 2, 1, 3, 0, 2}) {
        window.tabs().setCurrentIndex(page);
    }
    for (int number = 1; number <= MainWindow::kEditBoxCount; ++number) {
        EXPECT_EQ(readBoxText(window.editBox(number)), gbk("框" + std::to_string(number)));
    }
}

TEST_F(MainWindowTest, TheAmountPageConvertsAsTheUserTypes)
{
    ProgramState state;
    QtPlatformServices services;
    bindWindow(window, state, services);
    state.enterRunning();
    show();
    QTest::keyClicks(QApplication::focusWidget(), "12.5");
    EXPECT_EQ(readBoxText(window.editBox(2)), gbk("壹拾贰元伍角整"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(readBoxText(window.editBox(2)), gbk("壹拾贰元整"));

    state.enterEnding();
    QTest::keyClicks(QApplication::focusWidget(), "3");
    EXPECT_EQ(readBoxText(window.editBox(2)), gbk("壹拾贰元整")) << "no handler runs once ending";
}

}  // namespace
}  // namespace harvela
