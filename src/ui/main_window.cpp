// SPDX-License-Identifier: Apache-2.0
#include "ui/main_window.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPalette>
#include <QScreen>

#include <algorithm>

#include "ui/screen_reader_names.h"

namespace harvela {

namespace {

enum class BoxInput { free, readOnly };
enum class BoxFont { standard, song24, song21 };

struct BoxPlace {
    int number;  // 编辑框<number>
    int page;    // 0 to 3
    QRect rect;  // in the tab control
    bool scrollBar;
    BoxInput input;
    BoxFont font;
    bool tabStop;
};

// 编辑框1 is the single-line amount box; all others are multi-line.
constexpr BoxPlace kBoxes[] = {
    {1, 0, {15, 44, 360, 30}, false, BoxInput::free, BoxFont::song24, true},
    {2, 0, {15, 108, 360, 152}, false, BoxInput::readOnly, BoxFont::song21, true},
    {4, 1, {7, 23, 376, 110}, true, BoxInput::free, BoxFont::standard, false},
    {3, 1, {7, 159, 376, 110}, true, BoxInput::readOnly, BoxFont::standard, false},
    {7, 2, {7, 23, 376, 110}, true, BoxInput::free, BoxFont::standard, true},
    {8, 2, {7, 159, 376, 110}, true, BoxInput::readOnly, BoxFont::standard, true},
    {5, 3, {7, 23, 376, 110}, true, BoxInput::free, BoxFont::standard, true},
    {6, 3, {7, 159, 376, 110}, true, BoxInput::readOnly, BoxFont::standard, true},
};

struct ButtonPlace {
    int number;  // 按钮<number>
    int page;
    QRect rect;
    const char16_t* caption;
};

constexpr ButtonPlace kButtons[] = {
    {1, 0, {313, 77, 60, 30}, u"复制"},
    {2, 1, {96, 136, 50, 22}, u"简→繁"},
    {3, 1, {171, 136, 50, 22}, u"繁→简"},
    {11, 1, {269, 136, 50, 22}, u"清空"},
    {4, 1, {325, 136, 50, 22}, u"复制"},
    {8, 2, {69, 136, 80, 22}, u"简体→火星文"},
    {9, 2, {166, 136, 80, 22}, u"火星文→简体"},
    {12, 2, {266, 136, 50, 22}, u"清空"},
    {10, 2, {325, 136, 50, 22}, u"复制"},
    {5, 3, {60, 136, 88, 22}, u"UTF-8→GB2312"},
    {6, 3, {162, 136, 88, 22}, u"GB2312→UTF-8"},
    {13, 3, {269, 136, 50, 22}, u"清空"},
    {7, 3, {325, 136, 50, 22}, u"复制"},
};

const char16_t* const kPageTitles[] = {u"人民币大写转换", u"繁体字转换", u"火星文转换", u"URL编码解码"};

// Tab order of each page, by control name.
const std::vector<const char16_t*> kTabOrders[] = {
    {u"编辑框1", u"编辑框2", u"按钮1"},
    {u"按钮2", u"按钮3", u"按钮4", u"按钮11"},
    {u"编辑框7", u"编辑框8", u"按钮8", u"按钮9", u"按钮10", u"按钮12"},
    {u"编辑框5", u"编辑框6", u"按钮5", u"按钮6", u"按钮7", u"按钮13"},
};

// The box a page's keyboard focus starts in when the page is selected.
constexpr int kPageInputBox[] = {1, 4, 7, 5};

constexpr QRect kTabControlRect{11, 4, 390, 276};
constexpr QRect kNoticeLabelRect{19, 76, 168, 32};
constexpr QRect kAuthorLabelRect{352, 282, 48, 16};
constexpr int kNoticeFontHeight = 14;

QString fromUtf16(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QString boxName(int number)
{
    return QStringLiteral("编辑框%1").arg(number);
}

QString buttonName(int number)
{
    return QStringLiteral("按钮%1").arg(number);
}

// Black text on white, in every box, read-only or not. A box shows its
// selection only while it has the focus: without it (the inactive colour
// group) the selection is drawn like the rest of the text.
void paintBlackOnWhite(QWidget& box)
{
    QPalette palette = box.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    box.setPalette(palette);
}

// The default font where the caption fits the button, else the same face
// just small enough for the caption to show whole.
void fitCaption(QPushButton& button)
{
    constexpr int kPadding = 8;  // frame and margin, both sides together
    constexpr int kSmallestPixelSize = 8;
    QFont font = button.font();
    if (font.pixelSize() <= 0) {
        font.setPixelSize(QFontInfo(font).pixelSize());
    }
    while (QFontMetrics(font).horizontalAdvance(button.text()) + kPadding > button.width()
           && font.pixelSize() > kSmallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    if (font.pixelSize() != QFontInfo(button.font()).pixelSize()) {
        button.setFont(font);
    }
}

// One line, left-aligned, vertically centred, transparent, "&" drawn as is.
void makeTransparentLabel(QLabel& label, const QString& text, QColor colour)
{
    label.setTextFormat(Qt::PlainText);
    label.setText(text);
    label.setWordWrap(false);
    label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label.setFrameShape(QFrame::NoFrame);
    label.setAutoFillBackground(false);
    label.setFocusPolicy(Qt::NoFocus);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

}  // namespace

MainWindow::MainWindow(const WindowDefinition& definition)
{
    setObjectName(QStringLiteral("窗口"));
    setWindowTitle(QStringLiteral("Harvela"));
    setWindowIcon(definition.icon);
    // A fixed frame with the system menu and the close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientSize);

    tabs_.setObjectName(QStringLiteral("选择夹1"));
    tabs_.setParent(this);
    tabs_.setGeometry(kTabControlRect);
    for (int page = 0; page < kPageCount; ++page) {
        tabs_.addTab(&pages_[page], fromUtf16(kPageTitles[page]));
    }
    tabs_.setCurrentIndex(0);

    buildBoxes(definition);
    buildButtons();
    buildLabels(definition);
    buildTabOrders();
    nameControlsForScreenReaders(*this);

    pageChanges_ = connect(&tabs_, &QTabWidget::currentChanged, this,
                           [this](int page) { focusPageInput(page); });
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    // Pages leave the tab control as they are destroyed; that is no page change.
    disconnect(pageChanges_);
}

void MainWindow::buildBoxes(const WindowDefinition& definition)
{
    amountBox_.setFrame(true);
    for (const BoxPlace& place : kBoxes) {
        QWidget& box = place.number == 1 ? static_cast<QWidget&>(amountBox_)
                                         : multiLineBoxes_[place.number - 2];
        box.setObjectName(boxName(place.number));
        tabs_.place(box, pages_[place.page], place.rect);
        paintBlackOnWhite(box);
        box.setFocusPolicy(place.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        if (place.font == BoxFont::song24) {
            box.setFont(definition.songFont(24));
        } else if (place.font == BoxFont::song21) {
            box.setFont(definition.songFont(21));
        }
        if (place.number == 1) {
            continue;
        }
        MultiLineBox& multiLine = multiLineBoxes_[place.number - 2];
        multiLine.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multiLine.setVerticalScrollBarPolicy(place.scrollBar ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAlwaysOff);
        if (place.input == BoxInput::readOnly) {
            multiLine.setReadOnly(true);
            // Read-only boxes can still be selected and copied, also from the keyboard.
            multiLine.setTextInteractionFlags(Qt::TextSelectableByMouse
                                              | Qt::TextSelectableByKeyboard);
        }
    }
}

void MainWindow::buildButtons()
{
    for (const ButtonPlace& place : kButtons) {
        QPushButton& button = buttons_[place.number - 1];
        button.setObjectName(buttonName(place.number));
        button.setText(fromUtf16(place.caption));
        button.setAutoDefault(false);
        button.setDefault(false);
        button.setFocusPolicy(Qt::StrongFocus);
        tabs_.place(button, pages_[place.page], place.rect);
        fitCaption(button);
        const int index = place.number - 1;
        connect(&button, &QPushButton::clicked, this, [this, index] {
            if (buttonHandlers_[index]) {
                buttonHandlers_[index]();
            }
        });
    }
}

void MainWindow::buildLabels(const WindowDefinition& definition)
{
    noticeLabel_.setObjectName(QStringLiteral("透明标签1"));
    makeTransparentLabel(noticeLabel_, QStringLiteral("请认真核对转换后的数据"), QColor(255, 0, 0));
    noticeLabel_.setFont(definition.songFont(kNoticeFontHeight));
    tabs_.place(noticeLabel_, pages_[0], kNoticeLabelRect);

    // The author label belongs to the window itself, so it shows under every page.
    authorLabel_.setObjectName(QStringLiteral("透明标签2"));
    makeTransparentLabel(authorLabel_, QStringLiteral("Vintrel"), QColor(0, 0, 255));
    authorLabel_.setCursor(Qt::PointingHandCursor);
    authorLabel_.setParent(this);
    authorLabel_.setGeometry(kAuthorLabelRect);
}

void MainWindow::buildTabOrders()
{
    for (int page = 0; page < kPageCount; ++page) {
        for (const char16_t* name : kTabOrders[page]) {
            tabOrders_[page].push_back(&controlNamed(fromUtf16(name)));
        }
    }
}

QWidget& MainWindow::controlNamed(const QString& name)
{
    for (int number = 1; number <= kEditBoxCount; ++number) {
        if (boxName(number) == name) {
            return dynamic_cast<QWidget&>(editBox(number));
        }
    }
    for (int number = 1; number <= kButtonCount; ++number) {
        if (buttonName(number) == name) {
            return button(number);
        }
    }
    Q_ASSERT_X(false, "MainWindow::controlNamed", "every name in the tab orders is a control");
    return *this;
}

WidgetBox& MainWindow::editBox(int number)
{
    Q_ASSERT(number >= 1 && number <= kEditBoxCount);
    if (number == 1) {
        return amountBox_;
    }
    return multiLineBoxes_[number - 2];
}

QPushButton& MainWindow::button(int number)
{
    Q_ASSERT(number >= 1 && number <= kButtonCount);
    return buttons_[number - 1];
}

void MainWindow::onButtonClicked(int number, std::function<void()> handler)
{
    Q_ASSERT(number >= 1 && number <= kButtonCount);
    buttonHandlers_[number - 1] = std::move(handler);
}

void MainWindow::onAuthorLabelPressed(std::function<void()> handler)
{
    authorLabel_.onPressed(std::move(handler));
}

const std::vector<QWidget*>& MainWindow::tabOrder(int page) const
{
    return tabOrders_[page];
}

QPoint MainWindow::centredPosition(const QRect& screen)
{
    // Integer division rounds toward zero, also for a screen smaller than the window.
    return screen.topLeft()
        + QPoint((screen.width() - kOuterSize.width()) / 2,
                 (screen.height() - kOuterSize.height()) / 2);
}

void MainWindow::showCentred()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(centredPosition(screen->geometry()));
    }
    show();
    activateWindow();
    amountBox_.setFocus(Qt::ActiveWindowFocusReason);
}

bool MainWindow::belongsHere(QObject* object) const
{
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->window() == this;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !belongsHere(watched)) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const bool plain = !key.modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier
                                                     | Qt::MetaModifier);
    switch (key.key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Tab:
        if (!plain) {
            return false;
        }
        moveFocus(!key.modifiers().testFlag(Qt::ShiftModifier));
        return true;
    case Qt::Key_Backtab:
        if (!plain) {
            return false;
        }
        moveFocus(false);
        return true;
    default:
        return false;
    }
}

void MainWindow::moveFocus(bool forward)
{
    const std::vector<QWidget*>& order = tabOrders_[tabs_.currentIndex()];
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto current = std::find(order.begin(), order.end(), QApplication::focusWidget());
    std::ptrdiff_t next = 0;
    if (current == order.end()) {
        // From a control that is no tab stop: to the first or the last stop.
        next = forward ? 0 : count - 1;
    } else {
        next = ((current - order.begin()) + (forward ? 1 : -1) + count) % count;
    }
    order[static_cast<std::size_t>(next)]->setFocus(forward ? Qt::TabFocusReason
                                                            : Qt::BacktabFocusReason);
}

void MainWindow::focusPageInput(int page)
{
    if (page < 0 || page >= kPageCount) {
        return;
    }
    dynamic_cast<QWidget&>(editBox(kPageInputBox[page])).setFocus(Qt::OtherFocusReason);
}

}  // namespace harvela
