// SPDX-License-Identifier: Apache-2.0
// Re-encoding arbitrary bytes, zero bytes included, both ways the window
// uses: the conversion succeeds exactly when one bare iconv call, with room
// for any output, accepts the whole input, and then gives the same bytes;
// otherwise the result is empty. What converts one way converts back to the
// input.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "bare_iconv.h"
#include "convert/convert_encoding.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

using namespace harvela;
using namespace harvela::fuzz;

namespace {

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
