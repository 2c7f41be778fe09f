// SPDX-License-Identifier: Apache-2.0
#include "convert/martian_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "martian_table_data.h"  // generated at build time from data/

namespace harvela {

namespace {

using martian_table_data::commonChars;
using martian_table_data::martianChars;

constexpr std::size_t entryCount = 3500;

static_assert(commonChars.size() == 2 * entryCount);
static_assert(martianChars.size() == 2 * entryCount);

constexpr bool onlyTwoByteCodes(std::string_view table)
{
    for (std::size_t at = 0; at < table.size(); at += 2) {
        if (!isLeadByte(static_cast<unsigned char>(table[at])) || table[at + 1] == '\0') {
            return false;
        }
    }
    return true;
}

// Every odd byte a lead byte: the character starts of a table are exactly its
// entries, so a lookup can never match across two entries.
static_assert(onlyTwoByteCodes(commonChars));
static_assert(onlyTwoByteCodes(martianChars));

// For every two-byte piece (a lead byte and any byte after it), the lowest
// entry of a table that holds it, or 0 when the table does not hold it.
// Built by the compiler, so a lookup is one array read.
using EntryIndex = std::array<std::uint16_t, 128 * 256>;

constexpr std::size_t slotOf(unsigned char lead, unsigned char trail)
{
    return static_cast<std::size_t>(lead - 0x80) * 256 + trail;
}

constexpr EntryIndex buildIndex(std::string_view table)
{
    EntryIndex index{};
    for (std::size_t entry = 1; entry <= table.size() / 2; ++entry) {
        const std::size_t slot = slotOf(static_cast<unsigned char>(table[2 * entry - 2]),
                                        static_cast<unsigned char>(table[2 * entry - 1]));
        if (index[slot] == 0) {
            index[slot] = static_cast<std::uint16_t>(entry);
        }
    }
    return index;
}

constexpr EntryIndex commonIndex = buildIndex(commonChars);
constexpr EntryIndex martianIndex = buildIndex(martianChars);

}  // namespace

const Text& commonCharTable()
{
    static const Text table(commonChars);
    return table;
}

const Text& martianCharTable()
{
    static const Text table(martianChars);
    return table;
}

Text convertMartianText(const Text& text, bool toMartian)
{
    const EntryIndex& searchIndex = toMartian ? commonIndex : martianIndex;
    const std::string_view sourceTable = toMartian ? martianChars : commonChars;

    // Every piece keeps its length, so the result is the text with its found
    // pairs overwritten in place. A one-byte 0x1A is a character like any other.
    std::string result(text.bytes());
    std::size_t at = 0;
    while (at < result.size()) {
        const auto lead = static_cast<unsigned char>(result[at]);
        if (!isLeadByte(lead)) {
            ++at;
            continue;
        }
        if (at + 1 == result.size()) {
            break;  // a lone lead byte at the end stays as it is
        }
        const auto trail = static_cast<unsigned char>(result[at + 1]);
        if (const std::size_t entry = searchIndex[slotOf(lead, trail)]; entry != 0) {
            result[at] = sourceTable[2 * entry - 2];
            result[at + 1] = sourceTable[2 * entry - 1];
        }
        at += 2;
    }
    return Text(std::move(result));
}

}  // namespace harvela
