// SPDX-License-Identifier: Apache-2.0
// The amount handler on arbitrary typed or pasted texts: the words box shows
// nothing, the message, or words made of two-byte characters only.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "amount/amount_in_words.h"
#include "memory_box.h"

using namespace harvela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemoryBox amountBox;
    MemoryBox wordsBox;
    AmountInWords amount(amountBox, wordsBox);
    amountBox.onTextChanged([&] { amount.updateAmountInWords(); });

    // Each newline-separated line is one state of the amount box.
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        amountBox.type(Text(rest.substr(0, end)));
        rest.remove_prefix(std::min(end + 1, rest.size()));

        const Text words = readBoxText(wordsBox);
        for (Count at = 0; at < textLength(words); at += 2) {
            if (!isLeadByte(words.byteAt(at))) {
                std::abort();
            }
        }
    }
    return 0;
}
