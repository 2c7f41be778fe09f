// SPDX-License-Identifier: Apache-2.0
// The box layer's codec between GBK (GB18030) and UTF-8. Whatever the bytes,
// gbkToUtf8 gives valid UTF-8. Unicode text without U+0000 comes back from
// GBK unchanged: gbkToUtf8(utf8ToGbk(u)) = u. GB18030 bytes that iconv
// decodes whole, without a zero byte, come back from Unicode unchanged:
// utf8ToGbk(gbkToUtf8(g)) = g.
//
// Input: the first byte chooses how the rest is read: as it is; as BMP
// characters, two bytes each; as any Unicode scalar values, three bytes
// each; or as GB18030 characters of one, two or four bytes, four input bytes
// each.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "bare_iconv.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "text/gbk_codec.h"

using namespace harvela;
using namespace harvela::fuzz;

namespace {

unsigned char byteOf(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

// The length of the well-formed UTF-8 sequence at `at`, or 0 (the table of
// well-formed byte sequences of the Unicode standard).
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t at)
{
    const auto within = [&](std::size_t offset, unsigned char low, unsigned char high) {
        return at + offset < bytes.size() && byteOf(bytes, at + offset) >= low && byteOf(bytes, at + offset) <= high;
    };
    const unsigned char first = byteOf(bytes, at);
    if (first <= 0x7F) {
        return 1;
    }
    if (first >= 0xC2 && first <= 0xDF) {
        return within(1, 0x80, 0xBF) ? 2 : 0;
    }
    if (first >= 0xE0 && first <= 0xEF) {
        const unsigned char low = first == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = first == 0xED ? 0x9F : 0xBF;
        return within(1, low, high) && within(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (first >= 0xF0 && first <= 0xF4) {
        const unsigned char low = first == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = first == 0xF4 ? 0x8F : 0xBF;
        return within(1, low, high) && within(2, 0x80, 0xBF) && within(3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

bool isValidUtf8(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t scalar)
{
    if (scalar < 0x80) {
        out += static_cast<char>(scalar);
    } else if (scalar < 0x800) {
        out += {static_cast<char>(0xC0 | scalar >> 6), static_cast<char>(0x80 | (scalar & 0x3F))};
    } else if (scalar < 0x10000) {
        out += {static_cast<char>(0xE0 | scalar >> 12), static_cast<char>(0x80 | (scalar >> 6 & 0x3F)),
                static_cast<char>(0x80 | (scalar & 0x3F))};
    } else {
        out += {static_cast<char>(0xF0 | scalar >> 18), static_cast<char>(0x80 | (scalar >> 12 & 0x3F)),
                static_cast<char>(0x80 | (scalar >> 6 & 0x3F)), static_cast<char>(0x80 | (scalar & 0x3F))};
    }
}

// Unicode scalar values from 1 up to `limit`, `width` input bytes each.
std::string scalarsFrom(std::string_view input, std::size_t width, char32_t limit)
{
    std::string text;
    for (std::size_t at = 0; at + width <= input.size(); at += width) {
        char32_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            value = value << 8 | byteOf(input, at + i);
        }
        value = value % limit + 1;
        if (value >= 0xD800 && value <= 0xDFFF) {
            value -= 0x800;  // surrogates are no characters: take the code points before them
        }
        appendUtf8(text, value);
    }
    return text;
}

// Names the first character where two UTF-8 texts part, to tell findings apart.
void reportFirstDifference(std::string_view expected, std::string_view actual)
{
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) {
        ++at;
    }
    while (at > 0 && (byteOf(expected, at) & 0xC0) == 0x80) {
        --at;
    }
    std::string character(expected.substr(at, utf8SequenceLength(expected, at)));
    std::fprintf(stderr, "first differing character at byte %zu:", at);
    for (const char byte : character) {
        std::fprintf(stderr, " %02X", static_cast<unsigned char>(byte));
    }
    std::fprintf(stderr, "\n");
}

void checkUnicodeComesBack(std::string_view utf8)
{
    if (!isValidUtf8(utf8) || utf8.find('\0') != std::string_view::npos) {
        return;
    }
    const std::string back = gbkToUtf8(utf8ToGbk(utf8).bytes());
    if (back != utf8) {
        reportFirstDifference(utf8, back);
        failProperty("Unicode text comes back from GBK unchanged");
    }
}

void checkGbkComesBack(std::string_view gb)
{
    if (gb.find('\0') != std::string_view::npos || !bareIconv(gb, "GB18030", "UTF-8")) {
        return;
    }
    check(utf8ToGbk(gbkToUtf8(gb)).bytes() == gb, "GB18030 text comes back from Unicode unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string_view rest = asBytes(data + 1, size - 1);
    std::string input;
    switch (data[0] % 4) {
    case 0:
        input = rest;
        break;
    case 1:
        input = scalarsFrom(rest, 2, 0xFFFF);
        break;
    case 2:
        input = scalarsFrom(rest, 3, 0x10FFFF);
        break;
    default:
        input = gb18030TextFrom(rest);
        break;
    }
    check(isValidUtf8(gbkToUtf8(input)), "gbkToUtf8 gives valid UTF-8");
    check(isValidUtf8(gbkToUtf8(utf8ToGbk(input).bytes())), "what utf8ToGbk gives reads back as valid UTF-8");
    checkUnicodeComesBack(input);
    checkGbkComesBack(input);
    return 0;
}
