// SPDX-License-Identifier: Apache-2.0
#pragma once

// The two built-in simplified/traditional code tables. Each has one row per
// lead byte 0x81-0xFE and, in each row, one entry per trail byte 0x40-0x7E and
// 0x80-0xFE. An entry holds the two bytes that replace the pair, lead byte
// first; a code that does not change holds itself. The tables are generated
// at build time from data/simplified-to-traditional.txt and
// data/traditional-to-simplified.txt.

#include <array>

namespace harvela {

inline constexpr int codeTableRowCount = 126;
inline constexpr int codeTableColumnCount = 190;

using CodeTableEntry = std::array<unsigned char, 2>;
using CodeTableRow = std::array<CodeTableEntry, codeTableColumnCount>;
using CodeTable = std::array<CodeTableRow, codeTableRowCount>;

// The row of a lead byte, or -1 for a byte that has none (below 0x81, or 0xFF).
constexpr int codeTableRow(unsigned char lead)
{
    return lead >= 0x81 && lead <= 0xFE ? lead - 0x81 : -1;
}

// The column of a trail byte, or -1 for a byte that has none (below 0x40,
// 0x7F or 0xFF).
constexpr int codeTableColumn(unsigned char trail)
{
    if (trail >= 0x40 && trail <= 0x7E) {
        return trail - 0x40;
    }
    if (trail >= 0x80 && trail <= 0xFE) {
        return trail - 0x41;
    }
    return -1;
}

const CodeTable& simplifiedToTraditionalTable();
const CodeTable& traditionalToSimplifiedTable();

}  // namespace harvela
