// SPDX-License-Identifier: Apache-2.0
// Martian text. On texts built from the table's characters and one-byte
// characters: towards Martian text each character becomes its entry of the
// Martian table, and back gives the text again, except that a look-alike
// held by two entries comes back as the first entry's character. On
// arbitrary texts: the length and every one-byte character stay as they are,
// and forward, back and forward again gives the first forward result.
//
// Input: the first byte chooses how the rest is read. Odd: two bytes at a
// time pick a one-byte character or a table entry. Even: the bytes as they
// are (zero bytes left out).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/martian_text.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

using namespace harvela;
using namespace harvela::fuzz;

namespace {

constexpr std::size_t kEntries = 3500;

std::string_view entry(const Text& table, std::size_t index)
{
    return table.bytes().substr(2 * index, 2);
}

// For each entry, the first entry of the Martian table that holds the same
// look-alike (itself for a look-alike held once).
const std::vector<std::size_t>& firstHolders()
{
    static const std::vector<std::size_t> holders = [] {
        std::vector<std::size_t> first(kEntries);
        for (std::size_t index = 0; index < kEntries; ++index) {
            first[index] = index;
            for (std::size_t earlier = 0; earlier < index; ++earlier) {
                if (entry(martianCharTable(), earlier) == entry(martianCharTable(), index)) {
                    first[index] = earlier;
                    break;
                }
            }
        }
        return first;
    }();
    return holders;
}

void checkTableText(std::string_view input)
{
    std::string text;
    std::string martian;
    std::string back;
    for (std::size_t at = 0; at + 2 <= input.size(); at += 2) {
        const unsigned pick = static_cast<unsigned char>(input[at]) * 256u + static_cast<unsigned char>(input[at + 1]);
        if (pick % 4 == 0) {  // a one-byte character: stays both ways
            const char byte = static_cast<char>((pick / 4) % 0x7F + 1);
            text += byte;
            martian += byte;
            back += byte;
        } else {
            const std::size_t index = pick / 4 % kEntries;
            text += entry(commonCharTable(), index);
            martian += entry(martianCharTable(), index);
            back += entry(commonCharTable(), firstHolders()[index]);
        }
    }
    const Text forward = convertMartianText(Text(text), true);
    check(forward.bytes() == martian, "towards Martian text each common character becomes its look-alike");
    check(convertMartianText(forward, false).bytes() == back, "back gives the text again");
}

void checkAnyText(const Text& text)
{
    const Text martian = convertMartianText(text, true);
    const Text back = convertMartianText(text, false);
    check(textLength(martian) == textLength(text) && textLength(back) == textLength(text),
          "the length never changes");
    const std::string_view bytes = text.bytes();
    for (std::size_t at = 0; at < bytes.size(); at += characterLength(bytes, at)) {
        if (characterLength(bytes, at) == 1) {
            check(martian.bytes()[at] == bytes[at] && back.bytes()[at] == bytes[at],
                  "one-byte characters and a lone lead byte at the end stay");
        }
    }
    check(convertMartianText(convertMartianText(martian, false), true) == martian,
          "forward, back and forward gives the first forward result");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string_view rest = asBytes(data + 1, size - 1);
    if ((data[0] & 1) != 0) {
        checkTableText(rest);
    } else {
        checkAnyText(textWithoutZeros(rest));
    }
    return 0;
}
