// SPDX-License-Identifier: Apache-2.0
#pragma once

// Simplified <-> traditional conversion within GBK: every two-byte character
// is replaced through a fixed code table, one character at a time, with no
// regard to its neighbours. The byte length of a text never changes.

#include <cstdint>
#include <span>

#include "convert/character_tables.h"
#include "text/text.h"

namespace harvela {

using ConversionKind = std::int32_t;

inline constexpr ConversionKind traditionalToSimplified = 3;
inline constexpr ConversionKind simplifiedToTraditional = 4;

// The table of a kind, or nullptr for a kind the program does not know.
const CodeTable* conversionTable(ConversionKind kind);

// The text with every pair that has a table entry replaced by that entry.
// A lead byte just before the end stays, as does a pair outside the table's
// ranges (lead 0x80 or 0xFF, trail below 0x40, 0x7F or 0xFF). An unknown kind
// gives the text unchanged.
Text convertCharacters(const Text& text, ConversionKind kind);

// The same conversion in place, on bytes that may hold zero bytes as well: a
// zero byte is never a lead byte, and a pair it ends is outside the tables, so
// it stays as it is and the pairs around it convert as they would without it.
void convertCharactersInPlace(std::span<char> bytes, ConversionKind kind);

}  // namespace harvela
