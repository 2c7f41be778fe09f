// SPDX-License-Identifier: Apache-2.0
#pragma once

// Helpers for the Martian text tests: table entries by number, codes as hex,
// and iconv for telling which character set a code belongs to.

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "gbk.h"
#include "text/text.h"

namespace harvela::martian_test {

// Converts through iconv from `from` to `to`; empty when any byte fails.
inline std::string iconvBytes(const char* to, const char* from, std::string_view source)
{
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("no iconv converter to ") + to);
    }
    std::string input(source);
    std::string output(4 * source.size() + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1) || inLeft != 0) {
        return {};
    }
    output.resize(output.size() - outLeft);
    return output;
}

// Entry k (1-based) of a 7000-byte table: its two bytes.
inline Text entryOf(const Text& table, int entry)
{
    return Text(table.bytes().substr(static_cast<std::size_t>(2 * entry - 2), 2));
}

// A text's bytes as upper-case hex digits, for readable comparisons and failures.
inline std::string hexOf(const Text& code)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char byte : code.bytes()) {
        const auto value = static_cast<unsigned char>(byte);
        hex += digits[value >> 4];
        hex += digits[value & 0x0F];
    }
    return hex;
}

}  // namespace harvela::martian_test
