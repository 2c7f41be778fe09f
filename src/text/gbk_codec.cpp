// SPDX-License-Identifier: Apache-2.0
#include "text/gbk_codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

#include "text/utf8_scan.h"

namespace harvela {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
constexpr std::string_view kReplacementGb18030 = "\x84\x31\xA4\x37";

// One iconv descriptor for the length of one conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (isOpen()) {
            iconv_close(descriptor_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool isOpen() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Converts from the start of input until its end or the first sequence
    // that cannot be converted; appends the result to output and returns the
    // number of input bytes used.
    // Uses nothing when the converter could not be opened.
    std::size_t convertRun(std::string_view input, std::string& output)
    {
        if (!isOpen()) {
            return 0;
        }
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());  // iconv never writes its input
        std::size_t inLeft = input.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                break;  // EILSEQ or EINVAL: a sequence that does not convert
            }
        }
        return input.size() - inLeft;
    }

private:
    iconv_t descriptor_;
};

// The number of bytes shown as one U+FFFD when GBK decoding fails at the
// start of bytes.
std::size_t undecodableLength(std::string_view bytes)
{
    const bool pairs = bytes.size() >= 2 && isLeadByte(static_cast<unsigned char>(bytes[0]))
        && isLeadByte(static_cast<unsigned char>(bytes[1]));
    return pairs ? 2 : 1;
}

// Converts input piece by piece, putting a replacement where a piece fails.
template <typename SkipLength>
std::string convertWithReplacement(Converter& converter, std::string_view input,
                                   std::string_view replacement, SkipLength skipLength)
{
    std::string output;
    output.reserve(input.size() * 2);
    while (!input.empty()) {
        input.remove_prefix(converter.convertRun(input, output));
        if (!input.empty()) {
            output.append(replacement);
            input.remove_prefix(skipLength(input));
        }
    }
    return output;
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    Converter converter("UTF-8", "GB18030");
    return convertWithReplacement(converter, gbk, kReplacementUtf8, undecodableLength);
}

Text utf8ToGbk(std::string_view utf8)
{
    Converter converter("GB18030", "UTF-8");
    std::string gbk = convertWithReplacement(converter, utf8, kReplacementGb18030,
                                             [](std::string_view) { return std::size_t{1}; });
    std::erase(gbk, '\0');
    return Text(gbk);
}

}  // namespace harvela

namespace harvela {

StrictGbk utf8ToGbkStrict(std::string_view utf8)
{
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        const utf8::Character character = utf8::readCharacter(utf8.substr(offset));
        if (!character.valid || character.scalar == 0) {
            return {Text(), offset};
        }
        offset += character.length;
    }
    return {utf8ToGbk(utf8), std::nullopt};
}

}  // namespace harvela
