// SPDX-License-Identifier: Apache-2.0
#include "amount/amount_in_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gbk.h"
#include "memory_box.h"

namespace harvela {
namespace {

const char* const kTooMuch = "太多了，还没见到过这么多钱。";

// The amount page on in-memory boxes: the amount box runs the handler on every change.
class AmountPage : public ::testing::Test {
protected:
    AmountPage() { amountBox.onTextChanged([this] { amount.updateAmountInWords(); }); }

    // The user changes the amount box to this text (typing, deleting or pasting).
    Text show(const Text& typed)
    {
        amountBox.type(typed);
        return readBoxText(wordsBox);
    }
    Text show(const char* typed) { return show(Text(typed)); }

    MemoryBox amountBox;
    MemoryBox wordsBox;
    AmountInWords amount{amountBox, wordsBox};
};

TEST_F(AmountPage, ConvertsEveryWorkedExample)
{
    const std::pair<const char*, const char*> examples[] = {
        {"12", "壹拾贰元整"},
        {"12.5", "壹拾贰元伍角整"},
        {"12.56", "壹拾贰元伍角陆分"},
        {"12.05", "壹拾贰元零角伍分"},
        {"12.50", "壹拾贰元伍角零分"},
        {"0.5", "零元伍角整"},
        {"0.0", "零元零角整"},
        {"0.00", "零元零角零分"},
        {"123456789012.34", "壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元叁角肆分"},
        {"05", "零拾伍元整"},
        {"123456789012", "壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元整"},
    };
    for (const auto& [typed, words] : examples) {
        amountBox.type(Text());
        EXPECT_EQ(show(typed), gbk(words)) << typed;
    }
}

TEST_F(AmountPage, OneChangeWithDecimalsWritesTheWordsBoxThreeTimes)
{
    show("12.5");
    EXPECT_EQ(wordsBox.writes(), (std::vector<Text>{gbk("壹拾贰元整"), Text(), gbk("壹拾贰元伍角整")}));
    EXPECT_EQ(amount.integerDigits(), Text("12"));
    EXPECT_EQ(amount.fractionDigits(), Text("5"));
    EXPECT_EQ(amount.amountWords(), gbk("壹拾贰元")) << "the words lose their 整, the decimals are only shown";
}

TEST_F(AmountPage, TypingDecimalsThenDeletingBackToEmpty)
{
    const std::pair<const char*, const char*> steps[] = {
        {"1", "壹元整"},
        {"12", "壹拾贰元整"},
        {"12.", "壹拾贰元整"},  // a bare point keeps the words
        {"12.5", "壹拾贰元伍角整"},
        {"12.56", "壹拾贰元伍角陆分"},
        {"12.567", "壹拾贰元伍角陆分"},  // a third decimal is ignored
        {"12.56", "壹拾贰元伍角陆分"},
        {"12.5", "壹拾贰元伍角整"},
        {"12.", "壹拾贰元伍角整"},  // ending with the point keeps the last decimal's words
        {"12", "壹拾贰元整"},
        {"1", "壹元整"},
        {"", ""},
    };
    for (const auto& [typed, words] : steps) {
        EXPECT_EQ(show(typed), gbk(words)) << "after \"" << typed << "\"";
    }
}

TEST_F(AmountPage, TwelveDigitsConvertAThirteenthShowsTheMessage)
{
    EXPECT_EQ(show("123456789012"), gbk("壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元整"));
    const Text wordsOfTwelve = amount.amountWords();
    wordsBox.forgetHistory();
    EXPECT_EQ(show("1234567890123"), gbk(kTooMuch));
    EXPECT_EQ(wordsBox.writes().size(), 1u);
    EXPECT_EQ(amount.integerDigits(), Text("123456789012")) << "the message leaves the texts alone";
    EXPECT_EQ(amount.amountWords(), wordsOfTwelve);
    EXPECT_EQ(show("123456789012"), wordsOfTwelve);
    EXPECT_EQ(show("1234567890123.5"), gbk(kTooMuch));
    EXPECT_EQ(show(gbk("一二三四五六七")), gbk(kTooMuch)) << "more than 12 bytes, whatever they are";
}

TEST_F(AmountPage, FractionsThatAreNotTwoDecimalsKeepTheWords)
{
    for (const char* typed : {"1..", "1.2.3", "1.567"}) {
        show("1");
        wordsBox.forgetHistory();
        EXPECT_EQ(show(typed), gbk("壹元整")) << typed;
        EXPECT_TRUE(wordsBox.writes().empty()) << typed;
    }
    show("1.2.3");
    EXPECT_EQ(amount.fractionDigits(), Text("2.3")) << "only the first point splits";
}

TEST_F(AmountPage, AnEmptyIntegerPartReadsAsZero)
{
    EXPECT_EQ(show(".5"), gbk("零元伍角整")) << "typed first";
    show("123");
    for (int repeat = 0; repeat < 3; ++repeat) {
        EXPECT_EQ(show(".56"), gbk("零元伍角陆分")) << "never cut from earlier words";
        EXPECT_EQ(show(".5"), gbk("零元伍角整"));
    }
    EXPECT_EQ(show("."), gbk("零元伍角整")) << "a bare point keeps the words";
}

TEST_F(AmountPage, ALeadingMinusIsASignOutsideTheDigitLimit)
{
    EXPECT_EQ(show("-12.5"), gbk("负壹拾贰元伍角整"));
    EXPECT_EQ(show("-12"), gbk("负壹拾贰元整"));
    EXPECT_EQ(show("-12."), gbk("负壹拾贰元整"));
    EXPECT_EQ(show("-.5"), gbk("负零元伍角整"));
    EXPECT_EQ(show("-123456789012"), gbk("负壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元整"));
    EXPECT_EQ(show("-123456789012.34"), gbk("负壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元叁角肆分"));
    EXPECT_EQ(show("-1234567890123"), gbk(kTooMuch));
}

TEST_F(AmountPage, OnlyASignBeforeDigitsIsLeftOutOfTheLimit)
{
    struct Case {
        Text typed;
        const char* words;
    };
    const Case cases[] = {
        {"-123456789012", "负壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元整"},
        {"-123456789012.5", "负壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元伍角整"},
        {"--12345678901", kTooMuch},
        {"-1234567890-1", kTooMuch},
        {"-12345678901-.5", kTooMuch},
        {"-12345678901a", kTooMuch},
        {gbk("-１２３４５６"), kTooMuch},  // full-width digits are not digits: 13 bytes
        {"-12345678901-", kTooMuch},
        {"-1234567890-", ""},  // 12 bytes in all, not an amount
    };
    for (const auto& [typed, words] : cases) {
        show("7");
        EXPECT_EQ(show(typed), gbk(words)) << typed.bytes();
    }
}

TEST_F(AmountPage, AnythingElseThatIsNotAnAmountEmptiesTheWords)
{
    const Text notAmounts[] = {"1-2", "abc", "-", "--5", "1.-", "1.5-", "1.5.", "1-.5", "-1-", gbk("五"),
                               concatTexts("1", gbk("元"))};
    for (const Text& typed : notAmounts) {
        show("7");
        EXPECT_EQ(show(typed), Text()) << typed.bytes();
        EXPECT_EQ(readBoxText(wordsBox), Text());
    }
}

TEST_F(AmountPage, EmptyingTheAmountEmptiesTheWords)
{
    show("12.5");
    wordsBox.forgetHistory();
    EXPECT_EQ(show(""), Text());
    EXPECT_EQ(wordsBox.writes(), std::vector<Text>{Text()});
}

TEST_F(AmountPage, ReleasingEmptiesTheThreeTexts)
{
    show("12.5");
    amount.releaseAmountTexts();
    EXPECT_EQ(amount.integerDigits(), Text());
    EXPECT_EQ(amount.fractionDigits(), Text());
    EXPECT_EQ(amount.amountWords(), Text());
}

TEST_F(AmountPage, TheComposersWorkOnTheSharedTexts)
{
    show("");
    wordsBox.forgetHistory();
    amount.composeIntegerPart();  // nothing to compose for an empty integer part
    EXPECT_TRUE(wordsBox.writes().empty());
    EXPECT_EQ(amount.amountWords(), Text());
}

}  // namespace
}  // namespace harvela
