// SPDX-License-Identifier: Apache-2.0
#include "every_character.h"

#include <algorithm>
#include <cstdio>

#include "text/utf8_scan.h"

namespace harvela {

namespace {

void appendUtf8(std::string& out, char32_t scalar)
{
    if (scalar < 0x80) {
        out += static_cast<char>(scalar);
    } else if (scalar < 0x800) {
        out += static_cast<char>(0xC0 | (scalar >> 6));
        out += static_cast<char>(0x80 | (scalar & 0x3F));
    } else if (scalar < 0x10000) {
        out += static_cast<char>(0xE0 | (scalar >> 12));
        out += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (scalar & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (scalar >> 18));
        out += static_cast<char>(0x80 | ((scalar >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (scalar & 0x3F));
    }
}

}  // namespace

std::string everyCharacterUtf8()
{
    std::string text;
    text.reserve(4'400'000);
    for (char32_t scalar = 1; scalar <= 0x10FFFF; ++scalar) {
        if (scalar < 0xD800 || scalar > 0xDFFF) {
            appendUtf8(text, scalar);
        }
    }
    return text;
}

std::u16string everyCharacterUtf16()
{
    std::u16string text;
    text.reserve(0x10FFFF * 2);
    for (char32_t scalar = 1; scalar <= 0x10FFFF; ++scalar) {
        if (scalar < 0x10000) {
            if (scalar < 0xD800 || scalar > 0xDFFF) {
                text += static_cast<char16_t>(scalar);
            }
        } else {
            text += static_cast<char16_t>(0xD800 + ((scalar - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + (scalar & 0x3FF));
        }
    }
    return text;
}

std::string firstDifference(std::string_view expected, std::string_view actual)
{
    const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    if (e == expected.end() && a == actual.end()) {
        return "";
    }
    // Back to the start of the character that differs.
    auto start = e;
    while (start != expected.begin() && (static_cast<unsigned char>(*start) & 0xC0) == 0x80) {
        --start;
    }
    const std::size_t offset = static_cast<std::size_t>(start - expected.begin());
    const std::string_view rest = expected.substr(offset);
    const unsigned scalar = rest.empty() ? 0 : static_cast<unsigned>(utf8::readCharacter(rest).scalar);
    char message[128];
    std::snprintf(message, sizeof message, "first difference at byte %zu (expected U+%04X), lengths %zu and %zu",
                  offset, scalar, expected.size(), actual.size());
    return message;
}

}  // namespace harvela
