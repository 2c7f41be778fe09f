// SPDX-License-Identifier: Apache-2.0
#include "amount/integer_words.h"

#include <gtest/gtest.h>

#include "amount/digits_to_capitals.h"
#include "gbk.h"

namespace harvela {
namespace {

TEST(DigitsToCapitals, MapsEveryDigitOnceAndLeavesOtherBytes)
{
    EXPECT_EQ(digitsToCapitals("1234567890"), gbk("壹;贰;叁;肆;伍;陆;柒;捌;玖;零;"));
    EXPECT_EQ(digitsToCapitals(Text()), Text());
    EXPECT_EQ(digitsToCapitals("-5."), concatTexts("-", gbk("伍;"), "."));
}

struct WordsCase {
    const char* digits;
    const char* words;
};

// Every worked example of the integer composer, zero rules included.
constexpr WordsCase kIntegerWords[] = {
    {"1", "壹元整"},
    {"10", "壹拾元整"},
    {"100", "壹佰元整"},
    {"101", "壹佰零壹元整"},
    {"110", "壹佰壹拾元整"},
    {"1000", "壹仟元整"},
    {"1001", "壹仟零壹元整"},
    {"1010", "壹仟零壹拾元整"},
    {"10000", "壹万元整"},
    {"10001", "壹万零壹元整"},
    {"100000", "壹拾万元整"},
    {"100010", "壹拾万零壹拾元整"},
    {"1000000", "壹佰万元整"},
    {"1000001", "壹佰万零壹元整"},
    {"10010001", "壹仟零壹万零壹元整"},
    {"10101010", "壹仟零壹拾万壹仟零壹拾元整"},
    {"100000000", "壹亿元整"},
    {"100000001", "壹亿零壹元整"},
    {"100001000", "壹亿壹仟元整"},
    {"110000000", "壹亿壹仟万元整"},
    {"1000000000", "壹拾亿元整"},
    {"1000010000", "壹拾亿零壹万元整"},
    {"1000000010", "壹拾亿零壹拾元整"},
    {"100000010000", "壹仟亿零壹万元整"},
    {"100010001000", "壹仟亿壹仟万壹仟元整"},
    {"123456789012", "壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元整"},
    {"200000000001", "贰仟亿零壹元整"},
    {"0", "零元整"},
    {"00", "零拾元整"},
    {"05", "零拾伍元整"},
    {"005", "零佰零伍元整"},
    {"020", "零佰贰拾元整"},
    {"00001", "零万零壹元整"},
    {"000000000000", "零仟亿元整"},
};

TEST(IntegerWords, ComposesEveryWorkedExample)
{
    for (const WordsCase& c : kIntegerWords) {
        const std::optional<Text> words = integerWords(c.digits);
        ASSERT_TRUE(words.has_value()) << c.digits;
        EXPECT_EQ(*words, gbk(c.words)) << c.digits;
    }
}

TEST(IntegerWords, NeverWritesTwoZerosInARowOrAZeroBeforeAUnit)
{
    const Text zero = gbk("零");
    const Text zeroBeforeUnit[] = {gbk("零万"), gbk("零亿"), gbk("零元")};
    for (const char* digits : {"100100100100", "900000000009", "100000000000", "101010101010", "909090909090"}) {
        const Text words = integerWords(digits).value();
        EXPECT_EQ(findText(words, concatTexts(zero, zero)), -1) << digits;
        for (const Text& pair : zeroBeforeUnit) {
            EXPECT_EQ(findText(words, pair), -1) << digits;
        }
    }
}

TEST(IntegerWords, HasNoWordsOutsideOneToTwelveDigits)
{
    for (const char* notDigits : {"", "1234567890123", "1-2", "-1", "12a", "1.5"}) {
        EXPECT_FALSE(integerWords(notDigits).has_value()) << notDigits;
    }
    EXPECT_FALSE(integerWords(gbk("壹")).has_value());
}

}  // namespace
}  // namespace harvela
