// SPDX-License-Identifier: Apache-2.0
// Converting in pieces gives the bytes of converting the whole input at once,
// wherever the pieces are cut, and to-traditional gives what the window's
// 简→繁 button gives.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "cli/chunked_pipeline.h"
#include "cli/input_file.h"
#include "cli/output_file.h"
#include "cli/progress.h"
#include "cli/reencode.h"
#include "cli/text_codec.h"
#include "cli/text_filter.h"
#include "memory_box.h"
#include "text/gbk_codec.h"
#include "ui/button_actions.h"

namespace harvela::cli {
namespace {

using namespace std::string_literals;

// Simplified text with line endings of both kinds, a byte-order mark, quotation
// marks the tables turn into corner brackets, two- and four-byte UTF-8 outside
// GBK (é is in GBK, 🎉 and 𠀀 are not), a zero byte and Martian table characters.
const std::string kMixedUtf8 =
    "\xEF\xBB\xBF头发和面条\r\n“你好”‘世界’ 后台 里面 é 🎉 𠀀\n"s + '\0' + "大家都爱国, 干净的衣服.\n里";

struct Converted {
    std::string output;
    std::string problem;
};

std::string writeTempFile(const std::string& name, const std::string& bytes)
{
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Converted convertFile(const ChunkSteps& steps, const std::string& input, std::size_t chunkSize)
{
    const std::string inputPath = writeTempFile("chunked-input", input);
    const std::string outputPath = testing::TempDir() + "chunked-output";
    std::remove(outputPath.c_str());
    InputFile in(inputPath);
    OutputFile out(outputPath);
    Progress progress(false, std::nullopt);
    Converted converted;
    converted.problem = convertInChunks(in, out, steps, chunkSize, progress);
    if (converted.problem.empty() && out.commit()) {
        converted.output = readFile(outputPath);
    }
    return converted;
}

constexpr std::size_t kWhole = 1u << 20;
constexpr std::size_t kSmallChunkSizes[] = {1, 2, 3, 4, 5, 6, 7, 11, 64};

struct FilterCase {
    const char* encoding;
    TextConversion conversion;
};

std::string inEncoding(const std::string& utf8, const char* encoding)
{
    const std::unique_ptr<TextCodec> utf8Codec = TextCodec::forEncoding("UTF-8");
    const std::unique_ptr<TextCodec> target = TextCodec::forEncoding(encoding);
    std::string encoded;
    EXPECT_TRUE(target->encode(utf8Codec->decode(utf8, true).bytes, encoded));
    return encoded;
}

class TextFilterChunks : public testing::TestWithParam<FilterCase> {};

TEST_P(TextFilterChunks, SmallPiecesGiveTheBytesOfTheWholeInput)
{
    const FilterCase& param = GetParam();
    const std::string input = inEncoding(kMixedUtf8, param.encoding);
    // A codec per run, as in the program: an encoder may write a byte-order mark once per output.
    const auto convertInPieces = [&](std::size_t chunkSize) {
        const std::unique_ptr<TextCodec> codec = TextCodec::forEncoding(param.encoding);
        return convertFile(textFilterSteps(*codec, param.conversion), input, chunkSize);
    };

    const Converted whole = convertInPieces(kWhole);
    ASSERT_EQ(whole.problem, "");
    ASSERT_FALSE(whole.output.empty());
    for (const std::size_t chunkSize : kSmallChunkSizes) {
        const Converted pieces = convertInPieces(chunkSize);
        EXPECT_EQ(pieces.problem, "") << "chunk size " << chunkSize;
        EXPECT_EQ(pieces.output, whole.output) << "chunk size " << chunkSize;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryPath, TextFilterChunks,
    testing::Values(FilterCase{"UTF-8", TextConversion::toTraditional}, FilterCase{"UTF-8", TextConversion::toSimplified},
                    FilterCase{"UTF-8", TextConversion::toMartian}, FilterCase{"UTF-8", TextConversion::fromMartian},
                    FilterCase{"GB18030", TextConversion::toTraditional}, FilterCase{"GBK", TextConversion::toMartian},
                    FilterCase{"UTF-16", TextConversion::toTraditional},
                    FilterCase{"UTF-16LE", TextConversion::toSimplified}));

// No services: the character page's buttons need none.
class NoServices : public PlatformServices {
public:
    bool setClipboardText(const Text&) override { return false; }
    void showMessageBox(const Text&, const Text&) override {}
    void openAddress(const Text&) override {}
};

// The window's 简→繁: the box holds the text as the codec made it from
// what the user pasted; the result box is shown through the codec again.
std::string windowToTraditional(const std::string& utf8)
{
    MemoryBox boxes[7];
    NoServices services;
    ButtonActions actions({boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], boxes[5], boxes[6]}, services);
    boxes[2].write(utf8ToGbk(utf8));  // 编辑框4
    actions.convertToTraditional();
    return gbkToUtf8(readBoxText(boxes[1]).bytes());  // 编辑框3
}

TEST(ToTraditional, GivesTheCharactersOfTheWindowsButton)
{
    // The box cannot hold a zero byte; everything else of the text goes in.
    std::string text = kMixedUtf8;
    std::erase(text, '\0');
    const std::string expected = windowToTraditional(text);
    ASSERT_NE(expected, text);

    const std::unique_ptr<TextCodec> codec = TextCodec::forEncoding("UTF-8");
    for (const std::size_t chunkSize : {kWhole, std::size_t{3}}) {
        EXPECT_EQ(convertFile(textFilterSteps(*codec, TextConversion::toTraditional), text, chunkSize).output,
                  expected);
    }
    EXPECT_NE(expected.find("頭發和面條\r\n『你好』「世界」 後臺 裡面 é 🎉 𠀀"), std::string::npos);
}

TEST(TextFilter, NamesTheOffsetOfTheFirstInvalidByteWhereverThePiecesAreCut)
{
    const std::unique_ptr<TextCodec> utf8 = TextCodec::forEncoding("UTF-8");
    const std::unique_ptr<TextCodec> gbk = TextCodec::forEncoding("GBK");
    const struct {
        TextCodec& codec;
        std::string input;
        const char* problem;
    } cases[] = {
        {*utf8, "头发\xE4\xBD", "byte 6: not valid UTF-8"},        // cut off at the end
        {*utf8, "ab头\xFF发", "byte 5: not valid UTF-8"},          // a byte no UTF-8 has
        {*utf8, "头发\xE4\xBD" "a", "byte 6: not valid UTF-8"},    // a sequence broken off
        {*gbk, "ab\xB0\xAE\x80", "byte 4: not valid GBK"},          // 0x80 starts no character
        {*gbk, "\xB0\xAE\xB0", "byte 2: not valid GBK"},            // a lead byte at the end
        {*gbk, "\x81\x30\x81", "byte 0: not valid GBK"},            // a four-byte code cut off
    };
    for (const auto& c : cases) {
        const ChunkSteps steps = textFilterSteps(c.codec, TextConversion::toTraditional);
        for (const std::size_t chunkSize : {kWhole, std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
            const Converted converted = convertFile(steps, c.input, chunkSize);
            EXPECT_NE(converted.problem.find(c.problem), std::string::npos)
                << converted.problem << " / chunk size " << chunkSize;
        }
    }
}

TEST(Reencoding, SmallPiecesGiveTheBytesOfTheWholeInput)
{
    const std::string utf8 = "编码 abc 你好\n"s + '\0' + "中文\r\n";
    const std::string gb2312 = "\xB1\xE0\xC2\xEB abc \xC4\xE3\xBA\xC3\n"s + '\0' + "\xD6\xD0\xCE\xC4\r\n";
    for (const std::size_t chunkSize : {kWhole, std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5}}) {
        EXPECT_EQ(convertFile(reencodingSteps(Reencoding::utf8ToGb2312), utf8, chunkSize).output, gb2312);
        EXPECT_EQ(convertFile(reencodingSteps(Reencoding::gb2312ToUtf8), gb2312, chunkSize).output, utf8);
    }
}

TEST(Reencoding, NamesTheOffsetOfTheFirstByteThatDoesNotConvert)
{
    const struct {
        Reencoding reencoding;
        std::string input;
        const char* problem;
    } cases[] = {
        {Reencoding::utf8ToGb2312, "ab你好愛", "byte 8: cannot be converted from UTF-8 to GB2312"},  // not in GB2312
        {Reencoding::utf8ToGb2312, "ab\xC4\xE3", "byte 2: cannot be converted"},                     // not UTF-8
        {Reencoding::utf8ToGb2312, "ab\xE4\xBD", "byte 2: cannot be converted"},                     // cut off
        {Reencoding::gb2312ToUtf8, "\xC4\xE3\x90\xDB", "byte 2: cannot be converted from GB2312 to UTF-8"},
    };
    for (const auto& c : cases) {
        for (const std::size_t chunkSize : {kWhole, std::size_t{1}, std::size_t{3}}) {
            const Converted converted = convertFile(reencodingSteps(c.reencoding), c.input, chunkSize);
            EXPECT_NE(converted.problem.find(c.problem), std::string::npos)
                << converted.problem << " / chunk size " << chunkSize;
        }
    }
}

}  // namespace
}  // namespace harvela::cli
