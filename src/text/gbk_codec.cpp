// SPDX-License-Identifier: Apache-2.0
#include "text/gbk_codec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "text/utf8_scan.h"

namespace harvela {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
constexpr std::string_view kReplacementGb18030 = "\x84\x31\xA4\x37";

// Private-use characters that the C library's GB18030 converter has no code
// for, with the four-byte codes the codec gives them itself.
//
// GB18030-2022 gave 18 two-byte codes, which used to stand for private-use
// characters, to the standard characters U+FE10-FE19 and U+9FB4-9FBB, and
// handed those characters' old four-byte codes (their places in the linear
// four-byte sequence) to the private-use characters: the first 18 pairs below.
// The C library has made that swap: A6D9 decodes as U+FE10, and the 18 codes
// below decode as nothing, between neighbours that decode as usual.
//
// The C library also reads six more of those two-byte codes (FE51, FE52, FE53,
// FE6C, FE76, FE91) as CJK Extension B characters, which keep their own
// four-byte codes as well, so their old private-use partners have no code at
// all. They take the first six codes after the end of the four-byte block for
// the Basic Multilingual Plane (8431A439 is U+FFFF), which no edition of
// GB18030 assigns. Going back to the old two-byte codes would lose the
// characters the C library now decodes them as.
struct PrivateUseCode {
    char32_t scalar;
    std::string_view code;
};

constexpr PrivateUseCode kPrivateUseCodes[] = {
    {U'\uE78D', "\x84\x31\x82\x36"},  // the old code of U+FE10, now at A6D9
    {U'\uE78E', "\x84\x31\x82\x37"},
    {U'\uE78F', "\x84\x31\x82\x38"},
    {U'\uE790', "\x84\x31\x82\x39"},
    {U'\uE791', "\x84\x31\x83\x30"},
    {U'\uE792', "\x84\x31\x83\x31"},
    {U'\uE793', "\x84\x31\x83\x32"},
    {U'\uE794', "\x84\x31\x83\x33"},
    {U'\uE795', "\x84\x31\x83\x34"},
    {U'\uE796', "\x84\x31\x83\x35"},  // the old code of U+FE19
    {U'\uE81E', "\x82\x35\x90\x37"},  // the old code of U+9FB4, now at FE59
    {U'\uE826', "\x82\x35\x90\x38"},
    {U'\uE82B', "\x82\x35\x90\x39"},
    {U'\uE82C', "\x82\x35\x91\x30"},
    {U'\uE832', "\x82\x35\x91\x31"},
    {U'\uE843', "\x82\x35\x91\x32"},
    {U'\uE854', "\x82\x35\x91\x33"},
    {U'\uE864', "\x82\x35\x91\x34"},  // the old code of U+9FBB, now at FEA0
    {U'\uE816', "\x84\x31\xA5\x30"},  // FE51 is U+20087 to the C library
    {U'\uE817', "\x84\x31\xA5\x31"},  // FE52 is U+20089
    {U'\uE818', "\x84\x31\xA5\x32"},  // FE53 is U+200CC
    {U'\uE831', "\x84\x31\xA5\x33"},  // FE6C is U+215D7
    {U'\uE83B', "\x84\x31\xA5\x34"},  // FE76 is U+2298F
    {U'\uE855', "\x84\x31\xA5\x35"},  // FE91 is U+241FE
};

const PrivateUseCode* privateUseByScalar(char32_t scalar)
{
    const auto* found = std::find_if(std::begin(kPrivateUseCodes), std::end(kPrivateUseCodes),
                                     [scalar](const PrivateUseCode& p) { return p.scalar == scalar; });
    return found == std::end(kPrivateUseCodes) ? nullptr : found;
}

const PrivateUseCode* privateUseByCode(std::string_view bytes)
{
    const auto* found = std::find_if(std::begin(kPrivateUseCodes), std::end(kPrivateUseCodes),
                                     [bytes](const PrivateUseCode& p) { return bytes.starts_with(p.code); });
    return found == std::end(kPrivateUseCodes) ? nullptr : found;
}

// The UTF-8 form of a private-use character (U+E000-U+EFFF: three bytes).
std::string utf8Of(char32_t scalar)
{
    return {static_cast<char>(0xE0 | (scalar >> 12)), static_cast<char>(0x80 | ((scalar >> 6) & 0x3F)),
            static_cast<char>(0x80 | (scalar & 0x3F))};
}

// The converted bytes, written by iconv straight into one buffer that grows
// geometrically, so that a large text is converted in a few long calls.
class Output {
public:
    explicit Output(std::size_t expectedSize) : bytes_(std::max<std::size_t>(expectedSize, 64), '\0') {}

    char* end() { return bytes_.data() + used_; }
    std::size_t room() const { return bytes_.size() - used_; }
    void grow() { bytes_.resize(bytes_.size() * 2); }
    void setEnd(const char* end) { used_ = static_cast<std::size_t>(end - bytes_.data()); }

    void append(std::string_view piece)
    {
        while (room() < piece.size()) {
            grow();
        }
        std::memcpy(end(), piece.data(), piece.size());
        used_ += piece.size();
    }

    std::string take() &&
    {
        bytes_.resize(used_);
        return std::move(bytes_);
    }

private:
    std::string bytes_;
    std::size_t used_ = 0;
};

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

    // Converts from the start of input until its end or the first sequence
    // that cannot be converted, appending to output; returns the number of
    // input bytes used. Uses nothing when the converter could not be opened.
    std::size_t convertRun(std::string_view input, Output& output)
    {
        if (!isOpen()) {
            return 0;
        }
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());  // iconv never writes its input
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = output.end();
            std::size_t outLeft = output.room();
            const std::size_t result = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
            output.setEnd(out);
            if (result != static_cast<std::size_t>(-1) || errno != E2BIG) {
                break;  // done, or EILSEQ / EINVAL: a sequence that does not convert
            }
            output.grow();
        }
        return input.size() - inLeft;
    }

private:
    bool isOpen() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    iconv_t descriptor_;
};

// Converts input with iconv, and where iconv stops, lets convertOne append
// the output for the character there and say how many bytes it took.
template <typename ConvertOne>
std::string convertAll(const char* to, const char* from, std::string_view input, std::size_t expectedSize,
                       ConvertOne convertOne)
{
    Converter converter(to, from);
    Output output(expectedSize);
    while (!input.empty()) {
        input.remove_prefix(converter.convertRun(input, output));
        if (!input.empty()) {
            input.remove_prefix(convertOne(input, output));
        }
    }
    return std::move(output).take();
}

bool isFourByteShape(std::string_view bytes)
{
    const auto in = [&bytes](std::size_t i, unsigned char low, unsigned char high) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        return byte >= low && byte <= high;
    };
    return bytes.size() >= 4 && in(0, 0x81, 0xFE) && in(1, 0x30, 0x39) && in(2, 0x81, 0xFE) && in(3, 0x30, 0x39);
}

// The number of bytes shown as one U+FFFD when GB18030 decoding fails at the
// start of bytes: a whole four-byte code; a lead byte with a following
// non-ASCII byte; otherwise one byte, so that an ASCII character after a
// broken lead byte is still shown.
std::size_t undecodableLength(std::string_view bytes)
{
    if (isFourByteShape(bytes)) {
        return 4;
    }
    const bool pair = bytes.size() >= 2 && isLeadByte(static_cast<unsigned char>(bytes[0]))
        && isLeadByte(static_cast<unsigned char>(bytes[1]));
    return pair ? 2 : 1;
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    // One byte gives one, two give at most three, four give four; a broken
    // lone byte gives three, which the output grows for.
    return convertAll("UTF-8", "GB18030", gbk, gbk.size() + gbk.size() / 2,
                      [](std::string_view rest, Output& output) {
                          if (const PrivateUseCode* known = privateUseByCode(rest)) {
                              output.append(utf8Of(known->scalar));
                              return known->code.size();
                          }
                          output.append(kReplacementUtf8);
                          return undecodableLength(rest);
                      });
}

Text utf8ToGbk(std::string_view utf8)
{
    // Chinese text shrinks from three bytes to two; other letters may grow
    // from two bytes to four, which the output grows for.
    std::string gbk = convertAll("GB18030", "UTF-8", utf8, utf8.size() + 16,
                                 [](std::string_view rest, Output& output) {
                                     const utf8::Character character = utf8::readCharacter(rest);
                                     const PrivateUseCode* known =
                                         character.valid ? privateUseByScalar(character.scalar) : nullptr;
                                     output.append(known != nullptr ? known->code : kReplacementGb18030);
                                     return character.length;
                                 });
    if (gbk.find('\0') != std::string::npos) {
        std::erase(gbk, '\0');
    }
    return Text(std::move(gbk));
}

StrictGbk utf8ToGbkStrict(std::string_view utf8)
{
    std::size_t offset = 0;
    while (offset < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[offset]);
        if (byte != 0 && byte < 0x80) {
            ++offset;  // ASCII: the common case, checked without decoding
            continue;
        }
        const utf8::Character character = utf8::readCharacter(utf8.substr(offset));
        if (!character.valid || character.scalar == 0) {
            return {Text(), offset};
        }
        offset += character.length;
    }
    return {utf8ToGbk(utf8), std::nullopt};
}

}  // namespace harvela
