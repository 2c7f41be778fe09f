// SPDX-License-Identifier: Apache-2.0
// Every button and the author label through the real window: what each reads,
// writes, copies and opens.

#include <QApplication>
#include <QPlainTextEdit>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gbk.h"
#include "message_box_answerer.h"
#include "text/gbk_codec.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/qt_platform_services.h"

namespace harvela {
namespace {

// The real desktop services, except that the clipboard can be made to fail
// and opened addresses are recorded instead of reaching a browser.
class TestServices : public QtPlatformServices {
public:
    bool setClipboardText(const Text& text) override
    {
        return clipboardFails ? false : QtPlatformServices::setClipboardText(text);
    }
    void openAddress(const Text& address) override { opened.push_back(address); }

    bool clipboardFails = false;
    std::vector<Text> opened;
};

QString clipboardText()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

QString unicode(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

class WindowButtons : public ::testing::Test {
protected:
    WindowButtons() : definition(prepareWindowDefinition()), window(definition)
    {
        bindWindow(window, state, services);
        state.enterRunning();
        window.showCentred();
    }

    void click(int number) { QTest::mouseClick(&window.button(number), Qt::LeftButton); }
    void showPage(int page) { window.tabs().setCurrentIndex(page - 1); }
    Text box(int number) { return readBoxText(window.editBox(number)); }
    void fill(int number, const Text& text) { writeBoxText(window.editBox(number), text); }

    WindowDefinition definition;
    MainWindow window;
    ProgramState state;
    TestServices services;
};

TEST_F(WindowButtons, ConvertButtonsReadTheInputBoxAndWriteTheOutputBox)
{
    struct Case {
        int page, button, input, output;
        const char* typed;
        Text expected;
    };
    const Case cases[] = {
        {2, 2, 4, 3, "头发和面条", gbk("頭發和面條")},
        {2, 3, 4, 3, "幹部", gbk("干部")},
        {3, 8, 7, 8, "你好", bytes({0x81, 0xC3, 0xA4, 0xCC})},
        {3, 9, 7, 8, "尐尐", gbk("小小")},
        {4, 5, 5, 6, "浣犲ソ", gbk("你好")},
        {4, 6, 5, 6, "你好", gbk("浣犲ソ")},
    };
    for (const Case& c : cases) {
        showPage(c.page);
        fill(c.input, gbk(c.typed));
        click(c.button);
        EXPECT_EQ(box(c.output), c.expected) << "button " << c.button;
        click(c.button);
        EXPECT_EQ(box(c.output), c.expected) << "button " << c.button << " pressed twice";
        EXPECT_EQ(box(c.input), gbk(c.typed)) << "the input box is left alone";
    }
}

TEST_F(WindowButtons, ReencodingThatFailsEmptiesTheResult)
{
    showPage(4);
    fill(6, "earlier");
    fill(5, gbk("愛"));  // outside GB 2312
    click(6);
    EXPECT_EQ(box(6), Text());
}

TEST_F(WindowButtons, ClearButtonsEmptyExactlyTheirTwoBoxes)
{
    const std::pair<int, std::vector<int>> clears[] = {{11, {3, 4}}, {12, {7, 8}}, {13, {5, 6}}};
    for (const auto& [button, emptied] : clears) {
        for (int number = 1; number <= MainWindow::kEditBoxCount; ++number) {
            fill(number, "7");
        }
        QGuiApplication::clipboard()->setText(unicode("kept"));
        showPage(button - 9);
        click(button);
        for (int number = 1; number <= MainWindow::kEditBoxCount; ++number) {
            const bool isEmptied = std::find(emptied.begin(), emptied.end(), number) != emptied.end();
            EXPECT_EQ(box(number), isEmptied ? Text() : Text("7")) << "button " << button << ", box " << number;
        }
        EXPECT_EQ(clipboardText(), unicode("kept"));
    }
}

TEST_F(WindowButtons, CopyButtonsPutTheOutputBoxsCharactersOnTheClipboard)
{
    const std::pair<int, int> copies[] = {{1, 2}, {4, 3}, {10, 8}, {7, 6}};
    const Text shown = concatTexts(gbk("壹拾贰元整"), "\r\n", bytes({0x81, 0xC3}), utf8ToGbk("😀"));
    for (const auto& [button, output] : copies) {
        showPage(button == 1 ? 1 : button == 4 ? 2 : button == 10 ? 3 : 4);
        fill(output, shown);
        click(button);
        EXPECT_EQ(clipboardText(), unicode("壹拾贰元整\n伱😀")) << "button " << button;
        fill(output, Text());
        click(button);
        EXPECT_EQ(clipboardText(), QString()) << "an empty box empties the clipboard, button " << button;
    }
}

// The characters the C library's GB18030 lacks, and a few far from GBK,
// pasted, converted to traditional characters, shown and copied.
TEST_F(WindowButtons, CharactersWithoutGbkCodesPassTheCharacterPage)
{
    const QString pasted = unicode(
        "\uE78D\uE78E\uE78F\uE790\uE791\uE792\uE793\uE794\uE795\uE796\uE816\uE817\uE818\uE81E\uE826"
        "\uE82B\uE82C\uE831\uE832\uE83B\uE843\uE854\uE855\uE864 \uFE10\u9FB4\U00020087\U0001F600\U0010FFFD");
    showPage(2);
    dynamic_cast<QPlainTextEdit&>(window.editBox(4)).insertPlainText(pasted);
    click(2);
    EXPECT_EQ(dynamic_cast<QPlainTextEdit&>(window.editBox(3)).toPlainText(), pasted);
    click(4);
    EXPECT_EQ(clipboardText(), pasted);
}

TEST_F(WindowButtons, AFailedCopyShowsCopyFailedAndLeavesTheBox)
{
    services.clipboardFails = true;
    showPage(2);
    fill(3, gbk("頭發"));
    const MessageBoxAnswerer answerer([](QMessageBox& box) {
        EXPECT_EQ(box.text(), unicode("复制失败"));
        EXPECT_EQ(box.windowTitle(), unicode("复制"));
        EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(box.parentWidget(), nullptr);
        EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    });
    click(4);
    EXPECT_TRUE(answerer.sawBox());
    EXPECT_EQ(box(3), gbk("頭發"));
}

TEST_F(WindowButtons, TheAuthorLabelOpensTheAuthorsPageOncePerPress)
{
    auto* label = window.findChild<QWidget*>(unicode("透明标签2"));
    ASSERT_NE(label, nullptr);
    QTest::mousePress(label, Qt::LeftButton);
    EXPECT_EQ(services.opened, std::vector<Text>{Text(authorPageAddress)}) << "on the press";
    QTest::mouseRelease(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(services.opened.size(), 2u);
}

}  // namespace
}  // namespace harvela
