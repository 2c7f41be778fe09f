// SPDX-License-Identifier: Apache-2.0
// Re-encoding arbitrary bytes: whatever converts one way converts back to the
// same bytes, and nothing crashes or leaks.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "convert/convert_encoding.h"

using namespace harvela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteSet input(std::string_view(reinterpret_cast<const char*>(data), size));
    const ByteSet gb = convertEncoding(input, kUtf8, kGb2312);
    if (!gb.empty() && convertEncoding(gb, kGb2312, kUtf8) != input) {
        std::abort();
    }
    const ByteSet utf8 = convertEncoding(input, kGb2312, kUtf8);
    if (!utf8.empty() && convertEncoding(utf8, kUtf8, kGb2312) != input) {
        std::abort();
    }
    return 0;
}
