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

Text convertCharacters(const Text& text, ConversionKind kind)
{
    const CodeTable* table = conversionTable(kind);
    if (table == nullptr || text.empty()) {
        return text;
    }
    std::string converted(text.bytes());
    const std::size_t length = converted.size();
    std::size_t position = 0;
    while (position < length) {
        const auto lead = static_cast<unsigned char>(converted[position]);
        if (!isLeadByte(lead)) {
            ++position;
            continue;
        }
        if (position + 1 == length) {
            break;  // a lone lead byte at the end stays
        }
        const int row = codeTableRow(lead);
        const int column = codeTableColumn(static_cast<unsigned char>(converted[position + 1]));
        if (row >= 0 && column >= 0) {
            const CodeTableEntry& entry = (*table)[row][column];
            converted[position] = static_cast<char>(entry[0]);
            converted[position + 1] = static_cast<char>(entry[1]);
        }
        position += 2;
    }
    return Text(std::move(converted));
}

}  // namespace harvela
