#pragma once

// Helpers for the Martian text tests: readable UTF-8 literals turned into the
// GBK texts the converter works on, and table entries by number.

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "text/text.h"

namespace harvela::martian_test {

// Converts through iconv from `from` to `to`; empty when any byte fails.
inline std::string iconvBytes(const char* to, const char* from, std::string_view bytes)
{
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("no iconv converter to ") + to);
    }
    std::string input(bytes);
    std::string output(4 * bytes.size() + 4, '\0');
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

// A GBK text from a UTF-8 literal; throws when a character has no GBK code.
inline Text gbk(std::string_view utf8)
{
    const std::string bytes = iconvBytes("GBK", "UTF-8", utf8);
    if (bytes.empty() && !utf8.empty()) {
        throw std::invalid_argument("no GBK code for " + std::string(utf8));
    }
    return Text(bytes);
}

// A text from raw bytes, e.g. rawText({0xFE, 0x51}).
inline Text rawText(std::initializer_list<unsigned char> values)
{
    return Text(std::string(values.begin(), values.end()));
}

// Entry k (1-based) of a 7000-byte table: its two bytes.
inline Text entryOf(const Text& table, int entry)
{
    return Text(table.bytes().substr(static_cast<std::size_t>(2 * entry - 2), 2));
}

// The four upper-case hex digits of a two-byte code, for readable failures.
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

inline Text codeFromHex(std::string_view hex)
{
    std::string result;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2) {
        result += static_cast<char>(std::stoi(std::string(hex.substr(at, 2)), nullptr, 16));
    }
    return Text(result);
}

}  // namespace harvela::martian_test
