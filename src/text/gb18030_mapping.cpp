// SPDX-License-Identifier: Apache-2.0
#include "text/gb18030_mapping.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "text/iconv_converter.h"

namespace harvela::gb18030 {

namespace {

// Private-use characters that the C library's GB18030 converter has no code
// for, with the four-byte codes given to them here.
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
    char16_t scalar;
    Code code;
};

constexpr PrivateUseCode kPrivateUseCodes[] = {
    {u'\uE78D', 0x84318236},  // the old code of U+FE10, now at A6D9
    {u'\uE78E', 0x84318237}, {u'\uE78F', 0x84318238}, {u'\uE790', 0x84318239}, {u'\uE791', 0x84318330},
    {u'\uE792', 0x84318331}, {u'\uE793', 0x84318332}, {u'\uE794', 0x84318333}, {u'\uE795', 0x84318334},
    {u'\uE796', 0x84318335},  // the old code of U+FE19
    {u'\uE81E', 0x82359037},  // the old code of U+9FB4, now at FE59
    {u'\uE826', 0x82359038}, {u'\uE82B', 0x82359039}, {u'\uE82C', 0x82359130}, {u'\uE832', 0x82359131},
    {u'\uE843', 0x82359132}, {u'\uE854', 0x82359133},
    {u'\uE864', 0x82359134},  // the old code of U+9FBB, now at FEA0
    {u'\uE816', 0x8431A530},  // FE51 is U+20087 to the C library
    {u'\uE817', 0x8431A531},  // FE52 is U+20089
    {u'\uE818', 0x8431A532},  // FE53 is U+200CC
    {u'\uE831', 0x8431A533},  // FE6C is U+215D7
    {u'\uE83B', 0x8431A534},  // FE76 is U+2298F
    {u'\uE855', 0x8431A535},  // FE91 is U+241FE
};

constexpr std::uint32_t kSupplementaryStart = 189000;  // the linear place of 90308130

constexpr std::uint32_t linearIndex(Code code)
{
    const std::uint32_t b1 = code >> 24;
    const std::uint32_t b2 = (code >> 16) & 0xFF;
    const std::uint32_t b3 = (code >> 8) & 0xFF;
    const std::uint32_t b4 = code & 0xFF;
    return (((b1 - 0x81) * 10 + (b2 - 0x30)) * 126 + (b3 - 0x81)) * 10 + (b4 - 0x30);
}

constexpr Code fourByteCode(std::uint32_t index)
{
    const Code b4 = 0x30 + index % 10;
    index /= 10;
    const Code b3 = 0x81 + index % 126;
    index /= 126;
    const Code b2 = 0x30 + index % 10;
    const Code b1 = 0x81 + index / 10;
    return b1 << 24 | b2 << 16 | b3 << 8 | b4;
}

static_assert(fourByteCode(linearIndex(0x8431A439)) == 0x8431A439 && linearIndex(0x8431A439) == 39419);
static_assert(linearIndex(0x90308130) == kSupplementaryStart);

std::string codeBytes(Code code)
{
    std::string bytes;
    for (int shift = isFourByteCode(code) ? 24 : code > 0xFF ? 8 : 0; shift >= 0; shift -= 8) {
        bytes += static_cast<char>((code >> shift) & 0xFF);
    }
    return bytes;
}

std::string utf32(char32_t scalar)
{
    return {static_cast<char>(scalar & 0xFF), static_cast<char>((scalar >> 8) & 0xFF),
            static_cast<char>((scalar >> 16) & 0xFF), static_cast<char>(scalar >> 24)};
}

char32_t fromUtf32(std::string_view bytes)
{
    const auto byte = [bytes](int i) { return static_cast<char32_t>(static_cast<unsigned char>(bytes[i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

// The length of the GB18030 code at the start of bytes.
std::size_t codeLength(std::string_view bytes)
{
    if (static_cast<unsigned char>(bytes[0]) < 0x80) {
        return 1;
    }
    const auto second = static_cast<unsigned char>(bytes[1]);
    return second >= 0x30 && second <= 0x39 ? 4 : 2;
}

// Converts items, each itemSize bytes long and each one character, with iconv
// in as few calls as the items it refuses allow, and hands take(index, output)
// the output of each item it converts.
template <typename OutputLength, typename Take>
void convertItems(const char* to, const char* from, std::string items, std::size_t itemSize,
                  OutputLength outputLength, Take take)
{
    IconvConverter converter(to, from);
    if (!converter.isOpen()) {
        return;
    }
    const iconv_t descriptor = converter.get();
    std::string output(items.size() * 4 + 16, '\0');
    const std::size_t count = items.size() / itemSize;
    std::size_t item = 0;
    while (item < count) {
        char* in = items.data() + item * itemSize;
        std::size_t inLeft = items.size() - item * itemSize;
        char* out = output.data();
        std::size_t outLeft = output.size();
        converter.reset();
        const bool refused = iconv(descriptor, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1);
        const std::size_t converted = (items.size() - inLeft) / itemSize - item;
        std::string_view produced(output.data(), static_cast<std::size_t>(out - output.data()));
        for (std::size_t k = 0; k < converted && !produced.empty(); ++k) {
            const std::size_t length = outputLength(produced);
            take(item + k, produced.substr(0, length));
            produced.remove_prefix(length);
        }
        item += converted + (refused ? 1 : 0);
    }
}

}  // namespace

Mapping::Mapping()
{
    // Two-byte codes, trail 7F included (it decodes as nothing).
    std::string twoByteCodes;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            twoByteCodes += static_cast<char>(lead);
            twoByteCodes += static_cast<char>(trail);
        }
    }
    std::vector<char32_t> twoByteScalars(twoByte_.size());
    convertItems("UTF-32LE", "GB18030", std::move(twoByteCodes), 2,
                 [](std::string_view) { return std::size_t{4}; },
                 [&twoByteScalars](std::size_t index, std::string_view output) {
                     twoByteScalars[index] = fromUtf32(output);
                 });
    for (std::size_t index = 0; index < twoByteScalars.size(); ++index) {
        const char32_t scalar = twoByteScalars[index];
        if (scalar > 0xFFFF) {
            twoByte_[index] = kSupplementary;
            const auto trails = static_cast<std::size_t>(kTrails);
            const auto code = static_cast<Code>((0x81 + index / trails) << 8 | (0x40 + index % trails));
            supplementaryTwoByte_.push_back({scalar, code});
        } else {
            twoByte_[index] = static_cast<char16_t>(scalar);
        }
    }

    std::string fourByteCodes;
    for (std::uint32_t index = 0; index < kLowFourByteCodes; ++index) {
        fourByteCodes += codeBytes(fourByteCode(index));
    }
    convertItems("UTF-32LE", "GB18030", std::move(fourByteCodes), 4,
                 [](std::string_view) { return std::size_t{4}; },
                 [this](std::size_t index, std::string_view output) {
                     lowFourByte_[index] = static_cast<char16_t>(fromUtf32(output));
                 });

    std::string scalars;
    for (char32_t scalar = 0x80; scalar <= 0xFFFF; ++scalar) {
        scalars += utf32(scalar);  // surrogates are refused
    }
    convertItems("GB18030", "UTF-32LE", std::move(scalars), 4, codeLength,
                 [this](std::size_t index, std::string_view output) {
                     Code code = 0;
                     for (const char byte : output) {
                         code = code << 8 | static_cast<unsigned char>(byte);
                     }
                     setBmpCode(static_cast<char16_t>(0x80 + index), code);
                 });
    for (char32_t ascii = 1; ascii < 0x80; ++ascii) {
        bmpCode_[ascii] = static_cast<std::uint16_t>(ascii);
    }

    // Supplementary characters that a two-byte code decodes as.
    for (const char32_t scalar : twoByteScalars) {
        if (scalar > 0xFFFF && supplementaryExceptionCount_ < static_cast<int>(supplementaryExceptions_.size())) {
            convertItems("GB18030", "UTF-32LE", utf32(scalar), 4, codeLength,
                         [this, scalar](std::size_t, std::string_view output) {
                             if (output.size() == 2) {
                                 const Code code = static_cast<unsigned char>(output[0]) << 8
                                     | static_cast<unsigned char>(output[1]);
                                 supplementaryExceptions_[supplementaryExceptionCount_++] = {scalar, code};
                             }
                         });
        }
    }

    // Beside the library, never in place of one of its mappings.
    for (const PrivateUseCode& extra : kPrivateUseCodes) {
        const std::uint32_t index = linearIndex(extra.code);
        if (bmpCode_[extra.scalar] == 0 && index < kLowFourByteCodes && lowFourByte_[index] == 0) {
            setBmpCode(extra.scalar, extra.code);
            lowFourByte_[index] = extra.scalar;
        }
    }
}

void Mapping::setBmpCode(char16_t scalar, Code code)
{
    if (!isFourByteCode(code)) {
        bmpCode_[scalar] = static_cast<std::uint16_t>(code);
    } else if (const std::uint32_t index = linearIndex(code); index < kLowFourByteCodes) {
        bmpCode_[scalar] = kFourByte;
        bmpFourByteIndex_[scalar] = static_cast<std::uint16_t>(index);
    }
}

char32_t Mapping::fourByte(unsigned char b1, unsigned char b2, unsigned char b3, unsigned char b4) const
{
    const std::uint32_t index = linearIndex(Code{b1} << 24 | Code{b2} << 16 | Code{b3} << 8 | b4);
    if (index < kLowFourByteCodes) {
        return lowFourByte_[index];
    }
    if (index >= kSupplementaryStart && index < kSupplementaryStart + 0x100000) {
        return 0x10000 + (index - kSupplementaryStart);
    }
    return 0;
}

char32_t Mapping::supplementaryScalar(unsigned char lead, unsigned char trail) const
{
    const Code code = Code{lead} << 8 | trail;
    const auto entry = std::find_if(supplementaryTwoByte_.begin(), supplementaryTwoByte_.end(),
                                    [code](const Exception& e) { return e.code == code; });
    return entry != supplementaryTwoByte_.end() ? entry->scalar : 0;
}

Code Mapping::bmpFourByteCode(char32_t scalar) const
{
    return fourByteCode(bmpFourByteIndex_[scalar]);
}

Code Mapping::supplementaryCode(char32_t scalar) const
{
    if (scalar > 0x10FFFF) {
        return 0;
    }
    const auto end = supplementaryExceptions_.begin() + supplementaryExceptionCount_;
    const auto exception = std::find_if(supplementaryExceptions_.begin(), end,
                                        [scalar](const Exception& e) { return e.scalar == scalar; });
    return exception != end ? exception->code : fourByteCode(kSupplementaryStart + (scalar - 0x10000));
}

const Mapping& mapping()
{
    static const Mapping shared;
    return shared;
}

}  // namespace harvela::gb18030
