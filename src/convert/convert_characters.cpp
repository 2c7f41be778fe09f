// SPDX-License-Identifier: Apache-2.0
#include "convert/convert_characters.h"

#include <cstring>
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
    // Through a pointer, and one unsigned comparison per range: this loop
    // runs over whole files.
    auto* at = reinterpret_cast<unsigned char*>(bytes.data());
    unsigned char* const end = at + bytes.size();
    while (at < end) {
        const unsigned lead = at[0];
        if (!isLeadByte(static_cast<unsigned char>(lead))) {
            ++at;
            continue;
        }
        if (at + 1 == end) {
            break;  // a lone lead byte at the end stays
        }
        const unsigned trail = at[1];
        // The pairs codeTableRow and codeTableColumn give a place: lead
        // 81-FE, trail 40-FE but 7F.
        if (lead - 0x81u <= 0xFEu - 0x81u && trail - 0x40u <= 0xFEu - 0x40u && trail != 0x7F) {
            const CodeTableEntry entry = (*table)[lead - 0x81u][trail - 0x40u - (trail > 0x7F ? 1u : 0u)];
            std::memcpy(at, entry.data(), entry.size());
        }
        at += 2;
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
