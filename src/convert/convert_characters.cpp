// SPDX-License-Identifier: Apache-2.0
#include "convert/convert_characters.h"

#include <string>
#include <utility>

namespace harvela {

const CodeTable* conversionTable(ConversionKind kind)
{
    switch (kind) {
    case traditionalToSimplified:
        return &traditionalToSimplifiedTable();
    case simplifiedToTraditional:
        return &simplifiedToTraditionalTable();
    default:
        return nullptr;
    }
}

void convertCharactersInPlace(std::span<char> bytes, ConversionKind kind)
{
    const CodeTable* table = conversionTable(kind);
    if (table == nullptr) {
        return;
    }
    const std::size_t length = bytes.size();
    std::size_t position = 0;
    while (position < length) {
        const auto lead = static_cast<unsigned char>(bytes[position]);
        if (!isLeadByte(lead)) {
            ++position;
            continue;
        }
        if (position + 1 == length) {
            break;  // a lone lead byte at the end stays
        }
        const auto trail = static_cast<unsigned char>(bytes[position + 1]);
        if (codeTableRow(lead) >= 0 && codeTableColumn(trail) >= 0) {
            // The column without codeTableColumn's branch on the two trail
            // ranges, which text mixes at random.
            const int column = trail - 0x40 - (trail > 0x7F ? 1 : 0);
            const CodeTableEntry& entry = (*table)[codeTableRow(lead)][column];
            bytes[position] = static_cast<char>(entry[0]);
            bytes[position + 1] = static_cast<char>(entry[1]);
        }
        position += 2;
    }
}

Text convertCharacters(const Text& text, ConversionKind kind)
{
    if (conversionTable(kind) == nullptr || text.empty()) {
        return text;
    }
    std::string converted(text.bytes());
    convertCharactersInPlace(converted, kind);
    return Text(std::move(converted));
}

}  // namespace harvela
