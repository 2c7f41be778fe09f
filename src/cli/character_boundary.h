// SPDX-License-Identifier: Apache-2.0
#pragma once

// Where a piece of input may be cut without splitting a character.

#include <cstddef>
#include <optional>
#include <string_view>

namespace harvela::cli {

// The length of the longest start of bytes that ends on a UTF-8 character
// boundary: a sequence whose lead byte announces more bytes than are there is
// left for the next piece. Malformed bytes are not judged here.
std::size_t utf8Boundary(std::string_view bytes);

// The bytes up to the last boundary between whole characters of the program's
// GBK walk, where a byte of 0x80 or above takes the byte after it along.
std::size_t gbkPairBoundary(std::string_view bytes);

// Walks GB18030 (of which GBK is part): one byte 00-7F, two bytes
// 81-FE 40-7E|80-FE, or four bytes 81-FE 30-39 81-FE 30-39.
struct Gb18030Walk {
    std::size_t boundary = 0;                  // end of the last whole character
    std::optional<std::size_t> invalidOffset;  // the first byte that starts no character
};
// Without atEnd, an unfinished character at the end is left for the next piece.
Gb18030Walk walkGb18030(std::string_view bytes, bool atEnd);

}  // namespace harvela::cli
