// SPDX-License-Identifier: Apache-2.0
// Simplified <-> traditional on arbitrary bytes: the length never changes,
// one-byte characters stay in place, and converting twice equals converting once.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "convert/convert_characters.h"

using namespace harvela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Text text(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const ConversionKind kind : {simplifiedToTraditional, traditionalToSimplified}) {
        const Text once = convertCharacters(text, kind);
        if (textLength(once) != textLength(text) || convertCharacters(once, kind) != once) {
            std::abort();
        }
    }
    return 0;
}
