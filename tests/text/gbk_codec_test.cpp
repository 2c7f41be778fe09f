// SPDX-License-Identifier: Apache-2.0
#include "text/gbk_codec.h"

#include <gtest/gtest.h>

#include <string>

#include "gbk.h"

namespace harvela {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

std::string pair(int lead, int trail)
{
    return {static_cast<char>(lead), static_cast<char>(trail)};
}

TEST(GbkCodecTest, EveryGbkCodeDecodesToOneCharacterAndEncodesBack)
{
    int undecodable = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;  // no trail byte in GBK
            }
            const std::string code = pair(lead, trail);
            const std::string shown = gbkToUtf8(code);
            if (shown.find(kReplacement) != std::string::npos) {
                ++undecodable;
                continue;
            }
            ASSERT_EQ(utf8ToGbk(shown).bytes(), code) << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_EQ(undecodable, 0);
}

TEST(GbkCodecTest, KnownCharactersInBothDirections)
{
    EXPECT_EQ(gbkToUtf8(gbk("中文 abc").bytes()), "中文 abc");
    EXPECT_EQ(utf8ToGbk("人民币"), gbk("人民币"));
    EXPECT_EQ(utf8ToGbk(""), Text());
    EXPECT_EQ(gbkToUtf8(""), "");
}

TEST(GbkCodecTest, CharactersGbkLacksGetFourByteCodesThatComeBack)
{
    const struct {
        const char* utf8;
        const char* code;
    } cases[] = {
        {"\U0001F600", "\x94\x39\xFC\x36"},  // an emoji
        {"\U00020000", "\x95\x32\x82\x36"},  // a rare ideograph (CJK extension B)
        {"\u20AC", "\xA2\xE3"},              // euro sign
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8ToGbk(c.utf8).bytes(), c.code) << c.utf8;
        EXPECT_EQ(gbkToUtf8(c.code), c.utf8) << c.utf8;
    }
}

TEST(GbkCodecTest, BytesThatStandForNoCharacterShowAsReplacementCharacters)
{
    const struct {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"\x81", kReplacement},                             // lone lead byte at the end
        {"a\x80", "a" + kReplacement},                      // 0x80 is no character
        {"\x81\xFF", kReplacement},                         // non-ASCII trail: one mark for both
        {"\x81\x7F" "b", kReplacement + "\x7F" "b"},        // ASCII trail still shows
        {"\xFF\xFF\xFF", kReplacement + kReplacement},      // pairs, then a lone byte
        {"\x81\x30\x81", kReplacement + "0" + kReplacement},  // a cut-off four-byte code
        // FF D6 is one broken pair; the D0 left over is a lone lead byte.
        {"\xD6\xD0\xFF\xD6\xD0", "中" + kReplacement + kReplacement},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gbkToUtf8(c.bytes), c.shown);
    }
}

TEST(GbkCodecTest, EncodingDropsZeroAndMarksMalformedUtf8)
{
    EXPECT_EQ(utf8ToGbk(std::string("a\0b", 3)), Text("ab"));
    EXPECT_EQ(utf8ToGbk("a\xC3").bytes(), "a\x84\x31\xA4\x37");
    EXPECT_EQ(utf8ToGbk("\xED\xA0\x80").bytes().substr(0, 4), "\x84\x31\xA4\x37");  // a surrogate
}

TEST(GbkCodecTest, StrictEncodingGivesTheSameBytesForValidUtf8)
{
    const std::string valid = "人民币 abc \u20AC\U0001F600\U00020000";
    const StrictGbk strict = utf8ToGbkStrict(valid);
    EXPECT_FALSE(strict.invalidOffset.has_value());
    EXPECT_EQ(strict.text, utf8ToGbk(valid));
    EXPECT_EQ(utf8ToGbkStrict("").text, Text());
}

TEST(GbkCodecTest, StrictEncodingRefusesAtTheFirstInvalidSequence)
{
    const struct {
        std::string utf8;
        std::size_t offset;
    } cases[] = {
        {std::string("ab\0c", 4), 2},       // a zero byte
        {"a\x80", 1},                       // a lone continuation byte
        {"\xC0\xAF", 0},                    // an overlong form
        {"\xC2", 0},                        // cut off by the end
        {"\xE4\xB8", 0},                    // cut off by the end
        {"\xE4\xB8" "a", 0},               // cut off by an ASCII byte
        {"\xE4\xB8\xAD\xF0\x9F\x98", 3},  // a valid character, then a cut-off one
        {"\xED\xA0\x80", 0},               // a surrogate
        {"\xF4\x90\x80\x80", 0},           // above U+10FFFF
        {"\xF5\x80\x80\x80", 0},           // no such lead byte
        {"\xFF", 0},
    };
    for (const auto& c : cases) {
        const StrictGbk strict = utf8ToGbkStrict(c.utf8);
        EXPECT_EQ(strict.invalidOffset, std::optional<std::size_t>(c.offset)) << testing::PrintToString(c.utf8);
        EXPECT_TRUE(strict.text.empty());
    }
}

}  // namespace
}  // namespace harvela
