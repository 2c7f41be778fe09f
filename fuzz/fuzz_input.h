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

}  // namespace harvela::fuzz
