// SPDX-License-Identifier: Apache-2.0
// Text primitives on arbitrary bytes: the first byte chooses how much of the
// rest is the sought text. Checks what must hold for every input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/text.h"
#include "text/text_array.h"

using namespace harvela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t soughtLength = std::min<std::size_t>(data[0] % 4, rest.size());
    const Text sought(rest.substr(0, soughtLength));
    const Text text(rest.substr(soughtLength));

    const Count found = findText(text, sought);
    if (found != -1 && midText(text, found, textLength(sought)) != sought) {
        std::abort();
    }
    const Text replaced = replaceText(text, sought, "#");
    if (!sought.empty() && found == -1 && textLength(replaced) + 1 < textLength(text)) {
        std::abort();  // without an occurrence at most a final lone lead byte may go
    }
    if (!sought.empty()) {
        const TextArray pieces = splitText(text, sought);
        Count total = 0;
        for (Count i = 1; i <= memberCount(pieces); ++i) {
            total += textLength(pieces.member(i));
        }
        if (total > textLength(text)) {
            std::abort();
        }
    }
    if (compareText(text, sought) != -compareText(sought, text)) {
        std::abort();
    }
    return 0;
}
