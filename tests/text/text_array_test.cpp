// SPDX-License-Identifier: Apache-2.0
#include "text/text_array.h"

#include <gtest/gtest.h>

#include <vector>

#include "gbk.h"

namespace harvela {
namespace {

std::vector<Text> membersOf(const TextArray& array)
{
    std::vector<Text> members;
    for (Count i = 1; i <= memberCount(array); ++i) {
        members.push_back(array.member(i));
    }
    return members;
}

TEST(TextArray, GrowsAtItsEndAndCountsFromOne)
{
    TextArray array;
    EXPECT_EQ(memberCount(array), 0);
    appendMember(array, "a");
    appendMember(array, Text());
    EXPECT_EQ(memberCount(array), 2);
    EXPECT_EQ(array.member(1), Text("a"));
    EXPECT_EQ(array.member(2), Text());
}

TEST(TextArray, SplitGivesThePiecesBetweenDelimiters)
{
    struct Case {
        const char* name;
        Text text;
        std::vector<Text> members;
    };
    const Text wu = gbk("伍");
    const Text yi = gbk("壹");
    const Text ling = gbk("零");
    const Case cases[] = {
        {"delimiter at the end adds no member", concatTexts(wu, ";"), {wu}},
        {"two members", concatTexts(yi, ";", ling, ";"), {yi, ling}},
        {"two delimiters in a row", "a;;b", {"a", Text(), "b"}},
        {"delimiter at the start", ";a", {Text(), "a"}},
        {"delimiter alone", ";", {Text()}},
        {"empty text", Text(), {}},
        {"no delimiter", "abc", {"abc"}},
        // 0xBB 0x3B is one character whose second byte happens to be ";".
        {"not inside a two-byte character", bytes({'a', 0xBB, ';', 'b'}), {bytes({'a', 0xBB, ';', 'b'})}},
        {"lone lead byte at the end", bytes({'a', ';', 'b', 0xB0}), {"a", bytes({'b', 0xB0})}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(membersOf(splitText(c.text, ";")), c.members) << c.name;
    }
}

}  // namespace
}  // namespace harvela
