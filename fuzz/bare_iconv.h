// SPDX-License-Identifier: Apache-2.0
#pragma once

// One bare iconv call over the whole input, with room for any output: the
// yardstick the conversions are held against.

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"

namespace harvela::fuzz {

// What one iconv call makes of the whole input, or nothing when it stops early.
inline std::optional<std::string> bareIconv(std::string_view input, const char* from, const char* to)
{
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        failProperty("iconv knows the encoding");
    }
    std::string output(input.size() * 4 + 16, '\0');  // no character grows beyond four times
    char* in = const_cast<char*>(input.data());       // iconv never writes its input
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace harvela::fuzz
