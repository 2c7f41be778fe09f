// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "convert/martian_text.h"
#include "martian_test_support.h"

using namespace harvela;
using namespace harvela::martian_test;

namespace {

struct RoundTrip
{
    const char* name;
    Text plain;
    Text martian;
};

// Texts that go to Martian text and come back as they were.
class MartianRoundTrip : public ::testing::TestWithParam<RoundTrip>
{
};

TEST_P(MartianRoundTrip, ConvertsBothWays)
{
    const RoundTrip& trip = GetParam();
    EXPECT_EQ(hexOf(convertMartianText(trip.plain, true)), hexOf(trip.martian));
    EXPECT_EQ(hexOf(convertMartianText(trip.martian, false)), hexOf(trip.plain));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MartianRoundTrip,
    ::testing::Values(
        RoundTrip{"Empty", Text(), Text()},
        RoundTrip{"NiHao", gbk("你好"), bytes({0x81, 0xC3, 0xA4, 0xCC})},
        RoundTrip{"HuoXingWen", gbk("火星文"), bytes({0x85, 0xBF, 0x9F, 0x93, 0x85, 0xD0})},
        RoundTrip{"ChineseThenLetters", gbk("中文ABC"), bytes({0xA7, 0xE6, 0x85, 0xD0, 'A', 'B', 'C'})},
        RoundTrip{"DaHasNoGlyph", gbk("大"), bytes({0xFE, 0x51})},
        RoundTrip{"AsciiUnchanged", Text("Harvela 2024, line 1\r\n\tok!"), Text("Harvela 2024, line 1\r\n\tok!")},
        // A one-byte 0x1A is an ordinary character: nothing after it is lost.
        RoundTrip{"SubstituteByteKept", bytes({0x61, 0x1A, 0x62}), bytes({0x61, 0x1A, 0x62})},
        RoundTrip{"ConvertsPastSubstituteByte", concatTexts(gbk("你"), "\x1A", gbk("好")),
                  bytes({0x81, 0xC3, 0x1A, 0xA4, 0xCC})},
        RoundTrip{"LoneLeadByteAtEndKept", concatTexts(gbk("你"), "\xB0"), bytes({0x81, 0xC3, 0xB0})}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST(ConvertMartianText, SharedLookAlikeComesBackAsTheLowerEntry)
{
    EXPECT_EQ(convertMartianText(gbk("小少"), true), bytes({0x8C, 0xA8, 0x8C, 0xA8}));
    EXPECT_EQ(convertMartianText(bytes({0x8C, 0xA8, 0x8C, 0xA8}), false), gbk("小小"));
    EXPECT_EQ(convertMartianText(gbk("久玖"), true), gbk("玖玖"));
    EXPECT_EQ(convertMartianText(gbk("玖玖"), false), gbk("久久"));
}

TEST(ConvertMartianText, CharacterMissingFromTheSearchedTablePassesUnchanged)
{
    // 萬 is no common character, but it is the look-alike of 万.
    EXPECT_EQ(convertMartianText(gbk("萬"), true), gbk("萬"));
    EXPECT_EQ(convertMartianText(gbk("萬"), false), gbk("万"));
    // 你 is no look-alike.
    EXPECT_EQ(convertMartianText(gbk("你"), false), gbk("你"));
}

TEST(ConvertMartianText, LeadByteTakesTheNextByteWhateverItIs)
{
    // 81 C4 E3: the lead byte 81 takes C4, so the 你 (C4 E3) inside is never matched.
    EXPECT_EQ(convertMartianText(bytes({0x81, 0xC4, 0xE3}), true), bytes({0x81, 0xC4, 0xE3}));
    // B0 31 is one piece (no table entry); the 你 after it stays in step.
    EXPECT_EQ(convertMartianText(concatTexts(bytes({0xB0, 0x31}), gbk("你")), true),
              bytes({0xB0, 0x31, 0x81, 0xC3}));
    // A lead byte before 0x1A takes it along.
    EXPECT_EQ(convertMartianText(bytes({0xB0, 0x1A, 0x62}), false), bytes({0xB0, 0x1A, 0x62}));
    EXPECT_EQ(convertMartianText(bytes({0xB0}), true), bytes({0xB0}));
}

// The conversion as one linear scan of the searched table per character:
// each piece is found at the lowest position or copied.
Text convertByLinearScan(const Text& text, bool toMartian)
{
    const Text& search = toMartian ? commonCharTable() : martianCharTable();
    const Text& source = toMartian ? martianCharTable() : commonCharTable();
    std::string result;
    Count at = 0;
    while (at < textLength(text)) {
        if (!isLeadByte(text.byteAt(at)) || at + 1 == textLength(text)) {
            result += static_cast<char>(text.byteAt(at));
            ++at;
            continue;
        }
        const Text piece = midText(text, at + 1, 2);
        const Count position = findText(search, piece);
        result += (position == -1 ? piece : midText(source, position, 2)).bytes();
        at += 2;
    }
    return Text(result);
}

TEST(ConvertMartianText, AgreesWithTheLinearScanOnRandomBytes)
{
    std::mt19937 random(20240517);
    const Text& common = commonCharTable();
    const Text& martian = martianCharTable();
    std::uniform_int_distribution<int> entry(1, 3500);
    std::uniform_int_distribution<int> anyByte(1, 255);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 300; ++round) {
        // Table codes, their lone halves and arbitrary bytes, so pieces fall
        // both in and out of step with the table entries.
        std::string bytes;
        for (int part = length(random); part > 0; --part) {
            switch (kind(random)) {
            case 0: bytes += entryOf(common, entry(random)).bytes(); break;
            case 1: bytes += entryOf(martian, entry(random)).bytes(); break;
            case 2: bytes += entryOf(martian, entry(random)).bytes().substr(1); break;
            default: bytes += static_cast<char>(anyByte(random)); break;
            }
        }
        const Text text(bytes);
        for (const bool toMartian : {true, false}) {
            const Text converted = convertMartianText(text, toMartian);
            ASSERT_EQ(textLength(converted), textLength(text));
            ASSERT_EQ(hexOf(converted), hexOf(convertByLinearScan(text, toMartian)))
                << "text " << hexOf(text) << (toMartian ? " to Martian" : " back");
        }
    }
}

}  // namespace
