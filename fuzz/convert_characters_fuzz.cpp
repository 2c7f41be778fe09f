// SPDX-License-Identifier: Apache-2.0
// Simplified <-> traditional (kinds 3 and 4) on arbitrary texts. Walking the
// input one character at a time (a lead byte takes the next byte with it):
// one-byte characters, a lone lead byte at the end, pairs outside the
// table's ranges and GB18030 four-byte codes stay as they are; the
// user-defined areas stay; every other pair becomes a pair of the table's
// ranges, the same one it becomes on its own. The length never changes, and
// converting twice equals converting once.
//
// Input: the first byte chooses how the rest is read. Even: the bytes as they
// are (zero bytes left out). Odd: well-formed GB18030 text, so that
// four-byte codes and table pairs are common.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "convert/convert_characters.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

using namespace harvela;
using namespace harvela::fuzz;

namespace {

unsigned char byteOf(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

bool inTableRanges(unsigned char lead, unsigned char trail)
{
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

bool isFourByteCodeAt(std::string_view bytes, std::size_t at)
{
    const auto digit = [](unsigned char byte) { return byte >= 0x30 && byte <= 0x39; };
    const auto lead = [](unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; };
    return at + 4 <= bytes.size() && lead(byteOf(bytes, at)) && digit(byteOf(bytes, at + 1))
        && lead(byteOf(bytes, at + 2)) && digit(byteOf(bytes, at + 3));
}

bool inUserDefinedArea(unsigned char lead, unsigned char trail)
{
    return (lead >= 0xAA && lead <= 0xAF && trail >= 0xA1) || (lead >= 0xF8 && trail >= 0xA1)
        || (lead >= 0xA1 && lead <= 0xA7 && trail >= 0x40 && trail <= 0xA0);
}

void checkKind(const Text& text, ConversionKind kind)
{
    const std::string_view input = text.bytes();
    const Text converted = convertCharacters(text, kind);
    const std::string_view output = converted.bytes();
    check(output.size() == input.size(), "the length never changes");

    for (std::size_t at = 0; at < input.size();) {
        const std::size_t length = characterLength(input, at);
        const std::string_view before = input.substr(at, length);
        const std::string_view after = output.substr(at, length);
        if (isFourByteCodeAt(input, at)) {
            check(output.substr(at, 4) == input.substr(at, 4), "a GB18030 four-byte code stays");
        }
        if (length == 1) {
            check(after == before, "a one-byte character or a lone lead byte at the end stays");
        } else if (!inTableRanges(byteOf(before, 0), byteOf(before, 1))) {
            check(after == before, "a pair outside the table's ranges stays");
        } else {
            check(inTableRanges(byteOf(after, 0), byteOf(after, 1)), "a table pair becomes a table pair");
            check(!inUserDefinedArea(byteOf(before, 0), byteOf(before, 1)) || after == before,
                  "the user-defined areas stay");
            check(convertCharacters(Text(before), kind).bytes() == after,
                  "a pair converts as it does on its own");
        }
        at += length;
    }
    check(convertCharacters(converted, kind) == converted, "converting twice equals converting once");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string_view rest = asBytes(data + 1, size - 1);
    const Text text = (data[0] & 1) != 0 ? Text(gb18030TextFrom(rest)) : textWithoutZeros(rest);
    checkKind(text, simplifiedToTraditional);
    checkKind(text, traditionalToSimplified);
    return 0;
}
