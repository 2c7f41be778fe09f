// SPDX-License-Identifier: Apache-2.0
// Martian text on arbitrary bytes: the length and every one-byte character
// stay as they are, and converting forward, back and forward again gives the
// first forward result (every table code is one whole piece, so the pieces
// never shift).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "convert/martian_text.h"

using namespace harvela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Text text(std::string_view(reinterpret_cast<const char*>(data), size));
    const Text martian = convertMartianText(text, true);
    const Text back = convertMartianText(text, false);
    if (textLength(martian) != textLength(text) || textLength(back) != textLength(text)) {
        std::abort();
    }
    for (Count at = 0; at < textLength(text); at += isLeadByte(text.byteAt(at)) ? 2 : 1) {
        const unsigned char byte = text.byteAt(at);
        if (!isLeadByte(byte) && (martian.byteAt(at) != byte || back.byteAt(at) != byte)) {
            std::abort();
        }
    }
    if (convertMartianText(convertMartianText(martian, false), true) != martian) {
        std::abort();
    }
    return 0;
}
