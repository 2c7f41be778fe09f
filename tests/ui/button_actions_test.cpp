// SPDX-License-Identifier: Apache-2.0
#include "ui/button_actions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "gbk.h"
#include "memory_box.h"

namespace harvela {
namespace {

class RecordingServices : public PlatformServices {
public:
    bool setClipboardText(const Text& text) override
    {
        if (clipboardWorks) {
            clipboard = text;
        }
        return clipboardWorks;
    }
    void showMessageBox(const Text& text, const Text& caption) override { messages.push_back({text, caption}); }
    void openAddress(const Text& address) override { opened.push_back(address); }

    bool clipboardWorks = true;
    Text clipboard = "earlier content";
    std::vector<std::pair<Text, Text>> messages;
    std::vector<Text> opened;
};

class Buttons : public ::testing::Test {
protected:
    MemoryBox 编辑框2, 编辑框3, 编辑框4, 编辑框5, 编辑框6, 编辑框7, 编辑框8;
    RecordingServices services;
    ButtonActions actions{{编辑框2, 编辑框3, 编辑框4, 编辑框5, 编辑框6, 编辑框7, 编辑框8}, services};
};

TEST_F(Buttons, ConvertButtonsReadTheInputBoxAndWriteTheOutputBox)
{
    writeBoxText(编辑框4, gbk("头发"));
    actions.convertToTraditional();
    EXPECT_EQ(readBoxText(编辑框3), gbk("頭發"));
    actions.convertToTraditional();
    EXPECT_EQ(readBoxText(编辑框3), gbk("頭發")) << "pressing twice gives the same result";
    writeBoxText(编辑框4, gbk("幹部"));
    actions.convertToSimplified();
    EXPECT_EQ(readBoxText(编辑框3), gbk("干部"));

    writeBoxText(编辑框7, gbk("你好"));
    actions.convertToMartian();
    EXPECT_EQ(readBoxText(编辑框8), bytes({0x81, 0xC3, 0xA4, 0xCC}));
    writeBoxText(编辑框7, readBoxText(编辑框8));
    actions.convertFromMartian();
    EXPECT_EQ(readBoxText(编辑框8), gbk("你好"));

    writeBoxText(编辑框5, gbk("浣犲ソ"));
    actions.reencodeUtf8ToGb2312();
    EXPECT_EQ(readBoxText(编辑框6), gbk("你好"));
    writeBoxText(编辑框5, gbk("你好"));
    actions.reencodeGb2312ToUtf8();
    EXPECT_EQ(readBoxText(编辑框6), gbk("浣犲ソ"));
    actions.reencodeUtf8ToGb2312();  // GBK bytes are not UTF-8: the result is empty
    EXPECT_EQ(readBoxText(编辑框6), Text());
}

TEST_F(Buttons, EmptyInputEmptiesTheOutput)
{
    writeBoxText(编辑框3, "old");
    writeBoxText(编辑框6, "old");
    writeBoxText(编辑框8, "old");
    actions.convertToTraditional();
    actions.reencodeGb2312ToUtf8();
    actions.convertToMartian();
    EXPECT_EQ(readBoxText(编辑框3), Text());
    EXPECT_EQ(readBoxText(编辑框6), Text());
    EXPECT_EQ(readBoxText(编辑框8), Text());
}

TEST_F(Buttons, ClearButtonsEmptyExactlyTheirTwoBoxes)
{
    MemoryBox* const all[] = {&编辑框2, &编辑框3, &编辑框4, &编辑框5, &编辑框6, &编辑框7, &编辑框8};
    struct Case {
        const char* name;
        void (ButtonActions::*clear)();
        std::vector<const MemoryBox*> emptied;
    };
    const Case cases[] = {
        {"page 2", &ButtonActions::clearCharacterPage, {&编辑框3, &编辑框4}},
        {"page 3", &ButtonActions::clearMartianPage, {&编辑框7, &编辑框8}},
        {"page 4", &ButtonActions::clearReencodingPage, {&编辑框5, &编辑框6}},
    };
    for (const Case& c : cases) {
        for (MemoryBox* box : all) {
            writeBoxText(*box, "text");
        }
        (actions.*c.clear)();
        for (const MemoryBox* box : all) {
            const bool emptied = std::find(c.emptied.begin(), c.emptied.end(), box) != c.emptied.end();
            EXPECT_EQ(readBoxText(*box), emptied ? Text() : Text("text")) << c.name;
        }
    }
    EXPECT_EQ(services.clipboard, Text("earlier content")) << "clearing leaves the clipboard alone";
}

TEST_F(Buttons, CopyButtonsPutTheirOutputBoxOnTheClipboard)
{
    struct Case {
        void (ButtonActions::*copy)();
        MemoryBox& box;
    };
    const Case cases[] = {
        {&ButtonActions::copyAmountInWords, 编辑框2},
        {&ButtonActions::copyCharacterResult, 编辑框3},
        {&ButtonActions::copyReencodingResult, 编辑框6},
        {&ButtonActions::copyMartianResult, 编辑框8},
    };
    for (const Case& c : cases) {
        writeBoxText(c.box, gbk("壹拾贰元整"));
        (actions.*c.copy)();
        EXPECT_EQ(services.clipboard, gbk("壹拾贰元整"));
        writeBoxText(c.box, Text());
        (actions.*c.copy)();
        EXPECT_EQ(services.clipboard, Text()) << "an empty box empties the clipboard";
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(Buttons, AFailedCopySaysSoAndLeavesTheBox)
{
    services.clipboardWorks = false;
    writeBoxText(编辑框3, gbk("頭發"));
    编辑框3.forgetHistory();
    actions.copyCharacterResult();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].first, gbk("复制失败"));
    EXPECT_EQ(services.messages[0].second, gbk("复制"));
    EXPECT_EQ(readBoxText(编辑框3), gbk("頭發"));
    EXPECT_TRUE(编辑框3.writes().empty());
}

TEST_F(Buttons, TheAuthorLabelOpensTheAuthorsPage)
{
    actions.openAuthorPage();
    EXPECT_EQ(services.opened, std::vector<Text>{Text(authorPageAddress)});
    EXPECT_TRUE(std::string_view(authorPageAddress).starts_with("https://"));
}

}  // namespace
}  // namespace harvela
