// SPDX-License-Identifier: Apache-2.0
#include "text/gbk_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include <iconv.h>

#include "every_character.h"
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

TEST(GbkCodecTest, EveryCharacterSurvivesEncodingAndDecoding)
{
    const std::string every = everyCharacterUtf8();
    const Text encoded = utf8ToGbk(every);
    const std::string decoded = gbkToUtf8(encoded.bytes());
    EXPECT_EQ(firstDifference(every, decoded), "");
    // The same bytes again from what they show: nothing is coded two ways.
    EXPECT_EQ(utf8ToGbk(decoded), encoded);
}

TEST(GbkCodecTest, EveryCharacterSurvivesTheUtf16FormsAlike)
{
    const std::u16string every = everyCharacterUtf16();
    const Text encoded = utf16ToGbk(every);
    EXPECT_EQ(encoded, utf8ToGbk(everyCharacterUtf8()));
    EXPECT_TRUE(gbkToUtf16(encoded.bytes()) == every);
}

TEST(GbkCodecTest, Utf16MarksEachLoneSurrogateAndBrokenCodeOnce)
{
    const std::string mark = "\x84\x31\xA4\x37";
    const struct {
        std::u16string utf16;
        std::string gbk;
    } cases[] = {
        {u"a\xD800" u"b", "a" + mark + "b"},
        {u"\xDC00\xD800", mark + mark},  // partners in the wrong order
        {u"\xD83D", mark},                // cut off by the end
        {u"\xD83D\xDE00", "\x94\x39\xFC\x36"},
        {std::u16string(u"a\0b", 3), "ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf16ToGbk(c.utf16).bytes(), c.gbk);
    }
    EXPECT_TRUE(gbkToUtf16("a\xD6\xD0\x81\x30\x81") == u"a\u4E2D\uFFFD0\uFFFD");
}

TEST(GbkCodecTest, LineBreaksCrossAsCrLfInGbkAndOneLineFeedInUtf16)
{
    const struct {
        std::string gbk;
        std::u16string utf16;
    } decoded[] = {
        {"a\r\nb\r\n", u"a\nb\n"},
        {"\r\r\n\n\r", u"\r\n\n\r"},  // only a CR right before an LF goes
        {"\xD6\xD0\r\n", u"\u4E2D\n"},
        {"\x81\r\n", u"\uFFFD\n"},  // a broken lead byte takes no part of the break
    };
    for (const auto& c : decoded) {
        EXPECT_TRUE(gbkToUtf16(c.gbk, LineBreaks::crLfInGbk) == c.utf16) << c.gbk;
    }
    const struct {
        std::u16string utf16;
        std::string gbk;
    } encoded[] = {
        {u"a\nb", "a\r\nb"},
        {u"\u2028\u2029", "\r\n\r\n"},
        {u"\r\n\r", "\r\r\n\r"},  // a CR is a character of its own
        {u"\u4E2D\n", "\xD6\xD0\r\n"},
    };
    for (const auto& c : encoded) {
        EXPECT_EQ(utf16ToGbk(c.utf16, LineBreaks::crLfInGbk).bytes(), c.gbk);
    }
    // Left alone, the same characters keep their own codes.
    EXPECT_TRUE(gbkToUtf16("a\r\n") == u"a\r\n");
    EXPECT_EQ(utf16ToGbk(u"\n\u2028\u2029"), utf8ToGbk("\n\u2028\u2029"));
    EXPECT_NE(utf8ToGbk("\u2028").bytes(), "\r\n");
}

// The C library's own conversion of the whole input in one call, or nothing
// when it refuses any of it.
std::optional<std::string> libraryConversion(const char* to, const char* from, std::string_view input)
{
    const iconv_t descriptor = iconv_open(to, from);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::string output(input.size() * 2 + 16, '\0');
    char* out = output.data();
    std::size_t outLeft = output.size();
    const bool converted = iconv(descriptor, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(descriptor);
    if (!converted) {
        return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
}

bool libraryConverts(const char* to, const char* from, std::string_view input)
{
    return libraryConversion(to, from, input).has_value();
}

// The private-use characters the library has no code for, and theirs.
const struct {
    const char* utf8;
    std::string_view code;
} kPrivateUseCodes[] = {
    {"\uE78D", "\x84\x31\x82\x36"}, {"\uE78E", "\x84\x31\x82\x37"}, {"\uE78F", "\x84\x31\x82\x38"},
    {"\uE790", "\x84\x31\x82\x39"}, {"\uE791", "\x84\x31\x83\x30"}, {"\uE792", "\x84\x31\x83\x31"},
    {"\uE793", "\x84\x31\x83\x32"}, {"\uE794", "\x84\x31\x83\x33"}, {"\uE795", "\x84\x31\x83\x34"},
    {"\uE796", "\x84\x31\x83\x35"}, {"\uE81E", "\x82\x35\x90\x37"}, {"\uE826", "\x82\x35\x90\x38"},
    {"\uE82B", "\x82\x35\x90\x39"}, {"\uE82C", "\x82\x35\x91\x30"}, {"\uE832", "\x82\x35\x91\x31"},
    {"\uE843", "\x82\x35\x91\x32"}, {"\uE854", "\x82\x35\x91\x33"}, {"\uE864", "\x82\x35\x91\x34"},
    {"\uE816", "\x84\x31\xA5\x30"}, {"\uE817", "\x84\x31\xA5\x31"}, {"\uE818", "\x84\x31\xA5\x32"},
    {"\uE831", "\x84\x31\xA5\x33"}, {"\uE83B", "\x84\x31\xA5\x34"}, {"\uE855", "\x84\x31\xA5\x35"},
};

// The four-byte code at a place in the linear sequence that starts at 81308130.
std::string fourByteCode(unsigned index)
{
    return pair(0x81 + index / 12600, 0x30 + index / 1260 % 10) + pair(0x81 + index / 10 % 126, 0x30 + index % 10);
}

// Every character the library codes gets the library's code, and every code
// the library decodes gives the library's character.
TEST(GbkCodecTest, TheLibrarysMappingIsKeptWhole)
{
    std::string every = everyCharacterUtf8();
    for (const auto& missing : kPrivateUseCodes) {
        every.erase(every.find(missing.utf8), std::string_view(missing.utf8).size());
    }
    std::erase(every, '\0');
    const std::optional<std::string> encoded = libraryConversion("GB18030", "UTF-8", every);
    ASSERT_TRUE(encoded.has_value());
    EXPECT_TRUE(utf8ToGbk(every).bytes() == *encoded);

    std::string codes;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F) {
                codes += pair(lead, trail);
            }
        }
    }
    // Four-byte codes: those of U+0080 to U+FFFF but the ones the library
    // freed for the private-use characters, and those of U+10000 on.
    for (unsigned index = 0; index < 39420; ++index) {
        const std::string code = fourByteCode(index);
        if (std::none_of(std::begin(kPrivateUseCodes), std::end(kPrivateUseCodes),
                         [&code](const auto& p) { return p.code == code; })) {
            codes += code;
        }
    }
    for (unsigned index = 189000; index < 189000 + 0x100000; ++index) {
        codes += fourByteCode(index);
    }
    const std::optional<std::string> decoded = libraryConversion("UTF-8", "GB18030", codes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(firstDifference(*decoded, gbkToUtf8(codes)), "");
}

TEST(GbkCodecTest, PrivateUseCharactersTheLibraryLacksHaveTheirOwnCodes)
{
    for (const auto& c : kPrivateUseCodes) {
        // Codes beside the library's, never in place of one of its mappings.
        EXPECT_FALSE(libraryConverts("GB18030", "UTF-8", c.utf8)) << c.utf8;
        EXPECT_FALSE(libraryConverts("UTF-8", "GB18030", c.code)) << c.utf8;
        EXPECT_EQ(utf8ToGbk(c.utf8).bytes(), c.code);
        EXPECT_EQ(gbkToUtf8(c.code), c.utf8);
        EXPECT_EQ(gbkToUtf8("a" + std::string(c.code) + "\xD6\xD0"), "a" + std::string(c.utf8) + "中");
    }
    // Their old two-byte codes keep what the library reads them as.
    EXPECT_EQ(gbkToUtf8("\xA6\xD9\xFE\x59\xFE\x51"), "\uFE10\u9FB4\U00020087");
    EXPECT_EQ(utf8ToGbk("\uFE10\u9FB4\U00020087").bytes(), "\xA6\xD9\xFE\x59\xFE\x51");
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
        {"\x84\x31\xA5\x36" "a", kReplacement + "a"},       // a four-byte code for nothing
        {"\xE3\x32\x9A\x36", kReplacement},                 // the one after U+10FFFF
        {"\xFE\x39\xFE\x39\x81", kReplacement + kReplacement},
        // FF D6 is one broken pair; the D0 left over is a lone lead byte.
        {"\xD6\xD0\xFF\xD6\xD0", "中" + kReplacement + kReplacement},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gbkToUtf8(c.bytes), c.shown);
    }
}

TEST(GbkCodecTest, EncodingDropsZero)
{
    EXPECT_EQ(utf8ToGbk(std::string("a\0b", 3)), Text("ab"));
    EXPECT_EQ(utf8ToGbk(std::string("\0", 1)), Text());
}

// One mark per malformed piece of UTF-8: the maximal subparts of Unicode's
// chapter 3, the same count a browser shows.
TEST(GbkCodecTest, EachMalformedPieceOfUtf8BecomesOneMark)
{
    const std::string mark = "\x84\x31\xA4\x37";
    const struct {
        std::string utf8;
        std::string gbk;
    } cases[] = {
        {"a\xC3", "a" + mark},                                 // cut off by the end
        {"\xE4\xB8", mark},                                    // two bytes of three, cut off
        {"\xF0\x9F\x98", mark},                                // three bytes of four, cut off
        {"\xE4\xB8" "a", mark + "a"},                          // cut off by ASCII
        {"\xE4\xB8\xE4\xB8\xAD", mark + "\xD6\xD0"},           // cut off by a whole character
        {"\x80\xBF", mark + mark},                             // continuation bytes alone
        {"\xC0\xAF", mark + mark},                             // overlong: C0 starts nothing
        {"\xE0\x80\xAF", mark + mark + mark},                  // overlong: E0 80 starts nothing
        {"\xED\xA0\x80", mark + mark + mark},                  // a surrogate
        {"\xF4\x90\x80\x80", mark + mark + mark + mark},       // above U+10FFFF
        {"\xF5\xFE\xFF", mark + mark + mark},                  // bytes UTF-8 never uses
        // Unicode's own example (table 3-8): a F1 80 80 E1 80 C2 b 80 c 80 BF d.
        {"a\xF1\x80\x80\xE1\x80\xC2" "b\x80" "c\x80\xBF" "d",
         "a" + mark + mark + mark + "b" + mark + "c" + mark + mark + "d"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8ToGbk(c.utf8).bytes(), c.gbk) << testing::PrintToString(c.utf8);
    }
}

TEST(GbkCodecTest, LongInputsGrowTheOutputAsTheyNeed)
{
    // Latin letters like Å grow from two bytes to four; a broken lead byte before
    // ASCII from two bytes to four as well.
    std::string letters;
    std::string broken;
    std::string shown;
    for (int i = 0; i < 100'000; ++i) {
        letters += "\u00C5";
        broken += "\xFF" "a";
        shown += kReplacement + "a";
    }
    const Text encoded = utf8ToGbk(letters);
    EXPECT_EQ(encoded.length(), 400'000);
    EXPECT_EQ(firstDifference(letters, gbkToUtf8(encoded.bytes())), "");
    EXPECT_EQ(firstDifference(shown, gbkToUtf8(broken)), "");

    // Appending grows the buffer beyond what it held before alike.
    std::string appended = "kept";
    EXPECT_FALSE(appendUtf8AsGbkStrict(letters, appended).has_value());
    EXPECT_EQ(appended.size(), 4 + 400'000u);
    EXPECT_EQ(firstDifference("kept" + std::string(encoded.bytes()), appended), "");
    appended = "kept";
    appendGbkAsUtf8(broken, appended);
    EXPECT_EQ(firstDifference("kept" + shown, appended), "");
}

TEST(GbkCodecTest, StrictEncodingGivesTheSameBytesForValidUtf8)
{
    const std::string valid = "人民币 abc \u20AC\U0001F600\U00020000";
    const StrictGbk strict = utf8ToGbkStrict(valid);
    EXPECT_FALSE(strict.invalidOffset.has_value());
    EXPECT_EQ(strict.text, utf8ToGbk(valid));
    EXPECT_EQ(utf8ToGbkStrict("").text, Text());

    std::string gbkBytes = "kept";
    EXPECT_FALSE(appendUtf8AsGbkStrict(valid, gbkBytes).has_value());
    EXPECT_EQ(gbkBytes, "kept" + std::string(strict.text.bytes()));
    std::string utf8 = "kept";
    appendGbkAsUtf8(strict.text.bytes(), utf8);
    EXPECT_EQ(utf8, "kept" + valid);
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
        std::string appended = "kept";
        EXPECT_EQ(appendUtf8AsGbkStrict(c.utf8, appended), std::optional<std::size_t>(c.offset));
        EXPECT_EQ(appended, "kept");
    }
}

}  // namespace
}  // namespace harvela
