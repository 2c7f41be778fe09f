// SPDX-License-Identifier: Apache-2.0
// An amount gives the words the amount page shows once it has been typed into
// a fresh page, or the reason it has none.

#include "cli/amount_line.h"

#include <gtest/gtest.h>

#include "text/gbk_codec.h"

namespace harvela::cli {
namespace {

TEST(AmountLine, GivesThePagesWordsOrWhyThereAreNone)
{
    const struct {
        std::string amount;
        const char* words;    // UTF-8
        const char* problem;
    } cases[] = {
        {"12", "壹拾贰元整", ""},
        {"12.5", "壹拾贰元伍角整", ""},
        {"12.05", "壹拾贰元零角伍分", ""},
        {"0.00", "零元零角零分", ""},
        {"123456789012.34", "壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元叁角肆分", ""},
        {"-12", "负壹拾贰元整", ""},
        {"12.", "壹拾贰元整", ""},  // the page keeps the integer words while no decimal is typed
        {".5", "零元伍角整", ""},   // what the page shows for decimals alone
        {"1.567", "", "more than two decimals"},
        {"1234567890123", "", "太多了，还没见到过这么多钱。"},
        {"1234567890123.5", "", "太多了，还没见到过这么多钱。"},
        {"1234567890123.567", "", "太多了，还没见到过这么多钱。"},
        {"abc", "", "not an amount"},
        {"", "", "not an amount"},
        {".", "", "not an amount"},
        {"12..", "", "not an amount"},
        {"1.2.3", "", "not an amount"},
        {"1.a", "", "not an amount"},
        {"1 2", "", "not an amount"},
        {std::string("1\0" "2", 3), "", "not an amount"},
        {"1\xff", "", "not an amount"},  // not UTF-8
        // Lengths count the page's GBK bytes, two per full-width digit, not UTF-8's three.
        {"１２３４５６", "", "not an amount"},
        {"-１２３４５６", "", "太多了，还没见到过这么多钱。"},
    };
    for (const auto& c : cases) {
        const AmountOutcome outcome = amountInWords(c.amount);
        EXPECT_EQ(gbkToUtf8(outcome.words.bytes()), c.words) << c.amount;
        EXPECT_EQ(outcome.problem, c.problem) << c.amount;
    }
}

}  // namespace
}  // namespace harvela::cli
