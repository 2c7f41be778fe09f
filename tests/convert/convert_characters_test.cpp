// SPDX-License-Identifier: Apache-2.0
#include "convert/convert_characters.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "gbk.h"

namespace harvela {
namespace {

Text toTraditional(const Text& text)
{
    return convertCharacters(text, simplifiedToTraditional);
}

Text toSimplified(const Text& text)
{
    return convertCharacters(text, traditionalToSimplified);
}

TEST(ConvertCharacters, KindNumbersAreTheProgramsOwn)
{
    EXPECT_EQ(traditionalToSimplified, 3);
    EXPECT_EQ(simplifiedToTraditional, 4);
}

TEST(ConvertCharacters, ConvertsBothWays)
{
    const Text simplified = bytes({0xB0, 0xAE, 0xB9, 0xFA, 0xBA, 0xF3, 0xCC, 0xEC});   // 爱国后天
    const Text traditional = bytes({0x90, 0xDB, 0x87, 0xF8, 0xE1, 0xE1, 0xCC, 0xEC});  // 愛國後天
    EXPECT_EQ(toTraditional(simplified), traditional);
    EXPECT_EQ(toSimplified(traditional), simplified);
}

TEST(ConvertCharacters, WritesOneFixedFormPerCharacterWithoutContext)
{
    struct Case {
        const char* simplified;
        const char* traditional;
    };
    for (const Case& c : {Case{"头发", "頭發"}, Case{"面条", "面條"}, Case{"里面", "裡面"},
                          Case{"干净", "乾淨"}}) {
        EXPECT_EQ(toTraditional(gbk(c.simplified)), gbk(c.traditional)) << c.simplified;
    }
}

TEST(ConvertCharacters, ThereAndBackNeedNotRestoreTheText)
{
    const Text simplified = toSimplified(gbk("幹部"));
    EXPECT_EQ(simplified, gbk("干部"));
    EXPECT_EQ(toTraditional(simplified), gbk("乾部"));
}

TEST(ConvertCharacters, ConvertsQuotationMarksAndPunctuation)
{
    EXPECT_EQ(toTraditional(gbk("“你好”‘世界’")), gbk("『你好』「世界」"));
    EXPECT_EQ(toSimplified(gbk("『你好』「世界」")), gbk("“你好”‘世界’"));
    EXPECT_EQ(toSimplified(gbk("〔一〕﹐﹗")), gbk("［一］，！"));
}

TEST(ConvertCharacters, LeavesOneByteCharactersAndEmptyTextsAlone)
{
    const Text ascii("abc123 \r\n\t~!");
    for (ConversionKind kind : {traditionalToSimplified, simplifiedToTraditional}) {
        EXPECT_EQ(convertCharacters(ascii, kind), ascii);
        EXPECT_TRUE(convertCharacters(Text(), kind).empty());
    }
}

TEST(ConvertCharacters, KeepsMalformedBytesAndStaysInStep)
{
    struct Case {
        const char* name;
        Text input;
        Text expected;
    };
    const Case cases[] = {
        {"lead byte before the end", bytes({0x61, 0xB0}), bytes({0x61, 0xB0})},
        {"stray 0x80 takes the next byte", bytes({0x80, 0xB0, 0xAE, 0xB0, 0xAE}),
         bytes({0x80, 0xB0, 0xAE, 0xB0, 0xAE})},
        {"trail below 0x40", bytes({0xB0, 0x31, 0xB0, 0xAE}), bytes({0xB0, 0x31, 0x90, 0xDB})},
        {"trail 0x7F", bytes({0xB0, 0x7F, 0xB0, 0xAE}), bytes({0xB0, 0x7F, 0x90, 0xDB})},
        {"trail 0xFF", bytes({0xB0, 0xFF, 0xB0, 0xAE}), bytes({0xB0, 0xFF, 0x90, 0xDB})},
        {"lead 0xFF", bytes({0xFF, 0xB0, 0xB0, 0xAE}), bytes({0xFF, 0xB0, 0x90, 0xDB})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toTraditional(c.input), c.expected) << c.name;
    }
}

TEST(ConvertCharacters, InPlaceKeepsZeroBytesAndConvertsAroundThem)
{
    // 爱 0 爱, a lead byte cut off by a zero byte, zero bytes alone: the
    // stretches between zero bytes convert as texts of their own would.
    const struct {
        const char* name;
        std::string bytes;
        std::string expected;
    } cases[] = {
        {"between characters", std::string("\xB0\xAE\0\xB0\xAE", 5), std::string("\x90\xDB\0\x90\xDB", 5)},
        {"after a lead byte", std::string("a\xB0\0\xB0\xAE", 5), std::string("a\xB0\0\x90\xDB", 5)},
        {"only zero bytes", std::string("\0\0", 2), std::string("\0\0", 2)},
    };
    for (const auto& c : cases) {
        std::string converted = c.bytes;
        convertCharactersInPlace(converted, simplifiedToTraditional);
        EXPECT_EQ(converted, c.expected) << c.name;
    }
}

TEST(ConvertCharacters, UnknownKindLeavesTheTextUnchanged)
{
    const Text text = gbk("爱国");
    EXPECT_EQ(convertCharacters(text, 0), text);
    EXPECT_EQ(convertCharacters(text, 5), text);
    EXPECT_EQ(conversionTable(-1), nullptr);
}

// Random texts mixing ASCII, lead bytes and odd trail bytes.
Text randomText(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(0, 64);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& b : bytes) {
        b = static_cast<char>(byte(random));
    }
    return Text(bytes);
}

TEST(ConvertCharacters, RandomTextsKeepLengthAndOneByteCharactersAndSettleAfterOnePass)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 5000; ++round) {
        const Text input = randomText(random);
        for (ConversionKind kind : {traditionalToSimplified, simplifiedToTraditional}) {
            const Text once = convertCharacters(input, kind);
            ASSERT_EQ(once.length(), input.length()) << "kind " << kind;
            EXPECT_EQ(convertCharacters(once, kind), once) << "kind " << kind;
            // The walk keeps step: one-byte characters stay where they were.
            for (Count i = 0; i < input.length(); i += isLeadByte(input.byteAt(i)) ? 2 : 1) {
                if (!isLeadByte(input.byteAt(i))) {
                    ASSERT_EQ(once.byteAt(i), input.byteAt(i)) << "kind " << kind << " at " << i;
                }
            }
        }
    }
}

}  // namespace
}  // namespace harvela
