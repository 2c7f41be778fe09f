// SPDX-License-Identifier: Apache-2.0
#include "convert/convert_encoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "gbk.h"

namespace harvela {
namespace {

ByteSet bytesOf(const Text& text)
{
    return textToBytes(text);
}

ByteSet utf8(const char* text)
{
    return ByteSet(std::string_view(text));
}

TEST(ConvertEncoding, RepairsUtf8ShownAsGbkAndBack)
{
    // 浣犲ソ is how the UTF-8 bytes of 你好 read as GBK.
    EXPECT_EQ(convertEncoding(bytesOf(gbk("浣犲ソ")), kUtf8, kGb2312), bytesOf(gbk("你好")));
    EXPECT_EQ(convertEncoding(bytesOf(gbk("缂栫爜")), kUtf8, kGb2312), bytesOf(gbk("编码")));
    EXPECT_EQ(convertEncoding(bytesOf(gbk("你好")), kGb2312, kUtf8), utf8("你好"));
    EXPECT_EQ(bytesToText(convertEncoding(bytesOf(gbk("你好")), kGb2312, kUtf8)), gbk("浣犲ソ"));
}

TEST(ConvertEncoding, AsciiComesBackUnchangedAndEmptyGivesEmpty)
{
    const ByteSet ascii = utf8("Hello, world 123 ~!\r\n");
    EXPECT_EQ(convertEncoding(ascii, kUtf8, kGb2312), ascii);
    EXPECT_EQ(convertEncoding(ascii, kGb2312, kUtf8), ascii);
    EXPECT_TRUE(convertEncoding(ByteSet{}, kUtf8, kGb2312).empty());
    EXPECT_TRUE(convertEncoding(ByteSet{}, kGb2312, kUtf8).empty());
}

TEST(ConvertEncoding, FailsAsAWhole)
{
    struct Case {
        const char* name;
        ByteSet data;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"GBK character outside GB 2312", bytesOf(concatTexts(gbk("你好"), gbk("愛"))), kGb2312, kUtf8},
        {"GBK bytes are not UTF-8", bytesOf(gbk("你好")), kUtf8, kGb2312},
        {"cut inside a UTF-8 sequence", ByteSet{0x61, 0xE4, 0xBD}, kUtf8, kGb2312},
        {"cut inside a GB 2312 pair", ByteSet{0x61, 0xC4}, kGb2312, kUtf8},
        {"a character GB 2312 lacks", utf8("ab愛"), kUtf8, kGb2312},
        {"unknown encoding name", utf8("abc"), "UTF-8", "GB2321"},
        {"unknown source name", utf8("abc"), "UFT-8", "GB2312"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(convertEncoding(c.data, c.from, c.to).empty()) << c.name;
    }
}

TEST(ConvertEncoding, GrowsTheOutputAndKeepsWhatWasConverted)
{
    std::string hundredCharacters;
    for (int i = 0; i < 100; ++i) {
        hundredCharacters += "你";
    }
    const Text gb = gbk(hundredCharacters);
    ASSERT_EQ(textLength(gb), 200);
    const ByteSet converted = convertEncoding(textToBytes(gb), kGb2312, kUtf8);
    EXPECT_EQ(converted, utf8(hundredCharacters.c_str()));
    EXPECT_EQ(converted.size(), 300);
}

// A stand-in facility that records how it is called.
struct WatchedIconv {
    int opens = 0;
    int converts = 0;
    int closes = 0;
    std::string toName, fromName;
    std::vector<std::size_t> outputSpace;  // the space each call was given
    // What every convert call does: write this many bytes, then report this errno.
    std::size_t bytesPerCall = 1;
    int report = E2BIG;
    int failOnCall = 0;  // 0: never succeed; n: the n-th call succeeds

    IconvFacility facility()
    {
        return {
            [this](const char* to, const char* from) {
                ++opens;
                toName = to;
                fromName = from;
                return reinterpret_cast<iconv_t>(this);
            },
            [this](iconv_t, char**, std::size_t* inputLeft, char** output, std::size_t* outputLeft) {
                ++converts;
                outputSpace.push_back(*outputLeft);
                const std::size_t written = std::min(bytesPerCall, *outputLeft);
                std::memset(*output, 'a' + converts, written);
                *output += written;
                *outputLeft -= written;
                if (converts == failOnCall) {
                    *inputLeft = 0;
                    return std::size_t{0};
                }
                errno = report;
                return static_cast<std::size_t>(-1);
            },
            [this](iconv_t) {
                ++closes;
                return 0;
            },
        };
    }
};

TEST(ConvertEncoding, OpensWithTheTargetFirstAndAlwaysCloses)
{
    WatchedIconv watched;
    watched.failOnCall = 1;
    convertEncoding(watched.facility(), utf8("abc"), "UTF-8", "GB2312");
    EXPECT_EQ(watched.toName, "GB2312");
    EXPECT_EQ(watched.fromName, "UTF-8");
    EXPECT_EQ(watched.closes, 1);

    WatchedIconv failing;
    failing.report = EILSEQ;
    EXPECT_TRUE(convertEncoding(failing.facility(), utf8("abc"), "UTF-8", "GB2312").empty());
    EXPECT_EQ(failing.converts, 1) << "any report but E2BIG fails at once";
    EXPECT_EQ(failing.closes, 1);
}

TEST(ConvertEncoding, EnlargesByHalfTheInputPlus128AndKeepsTheBytesProduced)
{
    WatchedIconv watched;
    watched.bytesPerCall = 1000;  // fills whatever space it gets
    watched.failOnCall = 3;
    const ByteSet converted = convertEncoding(watched.facility(), ByteSet(std::string(200, 'x')), "A", "B");
    // 200 bytes, then 228 more, then 228 more.
    EXPECT_EQ(watched.outputSpace, (std::vector<std::size_t>{200, 228, 228}));
    EXPECT_EQ(converted.bytes(), std::string(200, 'b') + std::string(228, 'c') + std::string(228, 'd'));
}

TEST(ConvertEncoding, GivesUpAfterTwelveCalls)
{
    WatchedIconv watched;
    EXPECT_TRUE(convertEncoding(watched.facility(), utf8("abc"), "A", "B").empty());
    EXPECT_EQ(watched.converts, 12);
    EXPECT_EQ(watched.closes, 1);

    WatchedIconv lastChance;
    lastChance.failOnCall = 12;
    EXPECT_FALSE(convertEncoding(lastChance.facility(), utf8("abc"), "A", "B").empty());
}

TEST(ConvertEncoding, EmptyInputMakesNoConversionCall)
{
    WatchedIconv watched;
    EXPECT_TRUE(convertEncoding(watched.facility(), ByteSet{}, "A", "B").empty());
    EXPECT_EQ(watched.converts, 0);
    EXPECT_EQ(watched.closes, 1);
}

}  // namespace
}  // namespace harvela
