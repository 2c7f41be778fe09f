// SPDX-License-Identifier: Apache-2.0
#pragma once

// Reading UTF-8 one character at a time, for the codec's own checks.
//
// A malformed piece is a "maximal subpart" as Unicode defines it (chapter 3,
// U+FFFD substitution of maximal subparts): the longest run of bytes from the
// current position that is the start of some well-formed sequence, or a single
// byte when not even the first byte can start one. So "E4 B8 41" is one
// malformed piece (E4 B8) followed by "A", while the encoded surrogate
// "ED A0 80" is three pieces, since no well-formed sequence starts "ED A0".

#include <cstddef>
#include <string_view>

namespace harvela::utf8 {

struct Character {
    char32_t scalar = 0;      // the scalar value when valid
    std::size_t length = 0;   // bytes taken: the whole sequence, or the malformed piece
    bool valid = false;
};

// The character at the start of bytes, which must not be empty.
inline Character readCharacter(std::string_view bytes)
{
    const auto at = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char first = at(0);
    if (first < 0x80) {
        return {first, 1, true};
    }
    std::size_t length = 0;
    char32_t scalar = 0;
    unsigned char low = 0x80;  // the range of the second byte; later bytes are 80..BF
    unsigned char high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
        scalar = first & 0x1Fu;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        scalar = first & 0x0Fu;
        low = first == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = first == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        scalar = first & 0x07u;
        low = first == 0xF0 ? 0x90 : 0x80;   // no overlong forms
        high = first == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    } else {
        return {0, 1, false};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= bytes.size() || at(i) < low || at(i) > high) {
            return {0, i, false};
        }
        low = 0x80;
        high = 0xBF;
        scalar = (scalar << 6) | (at(i) & 0x3Fu);
    }
    return {scalar, length, true};
}

}  // namespace harvela::utf8
