// SPDX-License-Identifier: Apache-2.0
// Re-encoding arbitrary bytes, zero bytes included, both ways the window
// uses: the conversion succeeds exactly when one bare iconv call, with room
// for any output, accepts the whole input, and then gives the same bytes;
// otherwise the result is empty. What converts one way converts back to the
// input.

#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "convert/convert_encoding.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

using namespace harvela;
using namespace harvela::fuzz;

namespace {

// What one iconv call makes of the whole input, or nothing when it stops early.
std::optional<std::string> bareIconv(std::string_view input, const char* from, const char* to)
{
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        failProperty("iconv knows UTF-8 and GB2312");
    }
    std::string output(input.size() * 4 + 16, '\0');  // no character grows beyond four times
    char* in = const_cast<char*>(input.data());
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

void checkDirection(const ByteSet& input, const char* from, const char* to)
{
    const ByteSet converted = convertEncoding(input, from, to);
    const std::optional<std::string> expected = bareIconv(input.bytes(), from, to);
    check(converted.bytes() == expected.value_or(std::string()),
          "the conversion gives what one bare iconv call gives, or nothing when that fails");
    if (!converted.empty()) {
        check(convertEncoding(converted, to, from) == input, "what converts one way converts back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteSet input(asBytes(data, size));
    checkDirection(input, kUtf8, kGb2312);
    checkDirection(input, kGb2312, kUtf8);
    return 0;
}
