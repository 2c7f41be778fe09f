// SPDX-License-Identifier: Apache-2.0
#pragma once

// Turning libFuzzer's bytes into the values the targets feed the program.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/text.h"

namespace harvela::fuzz {

inline std::string_view asBytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A text never holds a zero byte. The zero bytes are left out rather than
// cutting the input at the first one, so the bytes after it still count.
inline Text textWithoutZeros(std::string_view bytes)
{
    std::string kept(bytes);
    std::erase(kept, '\0');
    return Text(std::move(kept));
}

// The byte length of the character that starts at `at`: two at a lead byte
// (one when it is the last byte), one otherwise.
inline std::size_t characterLength(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) >= 0x80 && at + 1 < bytes.size() ? 2 : 1;
}

// Well-formed GB18030 text, four input bytes to a character: a one-byte
// character, a pair of the GBK ranges (lead 0x81-0xFE, trail 0x40-0xFE but
// 0x7F) or a four-byte code (lead, digit, lead, digit).
inline std::string gb18030TextFrom(std::string_view input)
{
    const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(input[at]); };
    std::string text;
    for (std::size_t at = 0; at + 4 <= input.size(); at += 4) {
        const unsigned char a = byteAt(at + 1);
        const unsigned char b = byteAt(at + 2);
        const unsigned char c = byteAt(at + 3);
        switch (byteAt(at) % 3) {
        case 0:
            text += static_cast<char>(a % 0x7F + 1);
            break;
        case 1: {
            const unsigned char trail = 0x40 + b % 0xBE;
            text += {static_cast<char>(0x81 + a % 0x7E), static_cast<char>(trail >= 0x7F ? trail + 1 : trail)};
            break;
        }
        default:
            text += {static_cast<char>(0x81 + a % 0x7E), static_cast<char>(0x30 + b % 10),
                     static_cast<char>(0x81 + c % 0x7E), static_cast<char>(0x30 + (a ^ c) % 10)};
            break;
        }
    }
    return text;
}

}  // namespace harvela::fuzz
