// SPDX-License-Identifier: Apache-2.0
#include "text/text.h"

#include <gtest/gtest.h>

#include "gbk.h"

namespace harvela {
namespace {

TEST(Text, KeepsTheBytesBeforeTheFirstZero)
{
    EXPECT_EQ(Text(std::string_view("ab\0cd", 5)), Text("ab"));
    EXPECT_EQ(Text(std::string("ab\0cd", 5)), Text("ab"));
    EXPECT_EQ(Text(static_cast<const char*>(nullptr)), Text());
    EXPECT_EQ(textLength(Text()), 0);
    EXPECT_EQ(textLength(gbk("伍元")), 4);
}

struct CutCase {
    const char* name;
    Text (*cut)(const Text&);
    Text expected;
};

TEST(Text, LeftRightAndMidCountBytes)
{
    const Text text("abcde");
    const Text wide = gbk("伍");  // CE E9
    const CutCase cases[] = {
        {"left 0", [](const Text& t) { return leftText(t, 0); }, Text()},
        {"left -1", [](const Text& t) { return leftText(t, -1); }, Text()},
        {"left 2", [](const Text& t) { return leftText(t, 2); }, Text("ab")},
        {"left past end", [](const Text& t) { return leftText(t, 99); }, Text("abcde")},
        {"right 0", [](const Text& t) { return rightText(t, 0); }, Text()},
        {"right -3", [](const Text& t) { return rightText(t, -3); }, Text()},
        {"right 2", [](const Text& t) { return rightText(t, 2); }, Text("de")},
        {"right past end", [](const Text& t) { return rightText(t, 99); }, Text("abcde")},
        {"mid start 0", [](const Text& t) { return midText(t, 0, 2); }, Text()},
        {"mid start -1", [](const Text& t) { return midText(t, -1, 2); }, Text()},
        {"mid start past end", [](const Text& t) { return midText(t, 6, 1); }, Text()},
        {"mid count 0", [](const Text& t) { return midText(t, 2, 0); }, Text()},
        {"mid inside", [](const Text& t) { return midText(t, 2, 3); }, Text("bcd")},
        {"mid last byte, count 2", [](const Text& t) { return midText(t, 5, 2); }, Text("e")},
        {"mid count past end", [](const Text& t) { return midText(t, 3, 99); }, Text("cde")},
    };
    for (const CutCase& c : cases) {
        EXPECT_EQ(c.cut(text), c.expected) << c.name;
    }
    EXPECT_EQ(leftText(wide, 1), bytes({0xCE})) << "a two-byte character can be cut in half";
    EXPECT_EQ(rightText(wide, 1), bytes({0xE9}));
    EXPECT_EQ(leftText(Text(), 3), Text());
    EXPECT_EQ(midText(Text(), 1, 1), Text());
}

TEST(Text, FindMatchesOnlyAtCharacterStarts)
{
    EXPECT_EQ(findText("12.5", "."), 3);
    EXPECT_EQ(findText("12.5.6", "."), 3) << "the first occurrence";
    EXPECT_EQ(findText("125", "."), -1);
    EXPECT_EQ(findText(Text(), "."), -1);
    EXPECT_EQ(findText("aBc", "b"), -1) << "letter case matters";

    const Text twoByte = gbk("一二三");
    EXPECT_EQ(findText(twoByte, gbk("三")), 5);
    // B0 A1 B0 A2: the pair A1 B0 sits at a second byte and must not match.
    const Text pairs = bytes({0xB0, 0xA1, 0xB0, 0xA2});
    EXPECT_EQ(findText(pairs, bytes({0xA1, 0xB0})), -1);
    EXPECT_EQ(findText(pairs, bytes({0xB0, 0xA2})), 3);
    // A match may run across a character boundary after its first byte.
    EXPECT_EQ(findText(bytes({0x61, 0xB0, 0xA1, 0x62}), bytes({0xB0, 0xA1, 0x62})), 2);
    // "." hidden as the second byte of a pair is not found; a lone lead byte ends the search.
    EXPECT_EQ(findText(bytes({0xB0, '.', 'x'}), "."), -1);
    EXPECT_EQ(findText(bytes({0x61, 0xB0}), "x"), -1);
}

TEST(Text, ReplaceRespectsCharacterStartsAndNeverRescans)
{
    EXPECT_EQ(replaceText("105", "0", gbk("零;")), concatTexts("1", gbk("零;"), "5"));
    EXPECT_EQ(replaceText(Text(), "1", gbk("壹;")), Text());
    EXPECT_EQ(replaceText("abc", Text(), "x"), Text("abc"));
    EXPECT_EQ(replaceText("aaa", "aa", "b"), Text("ba")) << "occurrences do not overlap";
    EXPECT_EQ(replaceText("aXa", "a", "aa"), Text("aaXaa")) << "inserted text is not searched again";
    // The second byte of B0 31 is "1" but belongs to the pair.
    EXPECT_EQ(replaceText(bytes({0xB0, '1', '1'}), "1", "x"), bytes({0xB0, '1', 'x'}));
    // A lone lead byte at the very end is dropped by a one-byte search...
    EXPECT_EQ(replaceText(bytes({'1', '2', 0xB0}), "1", gbk("壹;")), concatTexts(gbk("壹;"), "2"));
    // ...and kept when fewer bytes than the sought text remain.
    EXPECT_EQ(replaceText(bytes({'a', 0xB0}), "ab", "x"), bytes({'a', 0xB0}));
}

TEST(Text, CompareOrdersUnsignedBytes)
{
    struct Case {
        Text a, b;
        int expected;
    };
    const Case cases[] = {
        {Text(), Text(""), 0},
        {Text(), ".", -1},
        {".", Text(), 1},
        {"ab", "ab", 0},
        {"ab", "abc", -1},
        {"b", "abc", 1},
        {bytes({0xB0}), "a", 1},  // 0xB0 is above every ASCII byte
        {"a", bytes({0xB0}), -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(compareText(c.a, c.b), c.expected) << c.a.bytes() << " vs " << c.b.bytes();
    }
}

TEST(Text, ConcatenationAndByteSets)
{
    EXPECT_EQ(concatTexts(Text("a"), Text(), "b", gbk("角")), concatTexts(Text("ab"), gbk("角")));
    EXPECT_EQ(concatTexts(Text()), Text());

    const ByteSet withZero{0x41, 0x00, 0x42};
    EXPECT_EQ(concatBytes(ByteSet{0x01}, ByteSet{}, withZero).bytes(), std::string_view("\x01" "A\0B", 4));
    EXPECT_TRUE(concatBytes(ByteSet{}, ByteSet{}).empty());

    EXPECT_TRUE(textToBytes(Text()).empty());
    EXPECT_EQ(textToBytes(gbk("角")), (ByteSet{0xBD, 0xC7}));
    EXPECT_EQ(bytesToText(withZero), Text("A"));
    EXPECT_EQ(bytesToText(ByteSet(withZero)), Text("A")) << "taken over, still cut at the zero";
    Text taken = gbk("角");
    EXPECT_EQ(textToBytes(std::move(taken)), (ByteSet{0xBD, 0xC7}));
    EXPECT_EQ(bytesToText(ByteSet{}), Text());
    EXPECT_EQ(bytesToText(ByteSet{0x61, 0xB0}), bytes({0x61, 0xB0}));
}

}  // namespace
}  // namespace harvela
