// SPDX-License-Identifier: Apache-2.0
#include "cli/text_filter.h"

#include "cli/text_codec.h"
#include "cli/zero_free_stretches.h"
#include "convert/convert_characters.h"
#include "convert/martian_text.h"

namespace harvela::cli {

namespace {

ConversionKind characterKind(TextConversion conversion)
{
    return conversion == TextConversion::toTraditional ? simplifiedToTraditional : traditionalToSimplified;
}

Text convertMartian(const Text& text, TextConversion conversion)
{
    return convertMartianText(text, conversion == TextConversion::toMartian);
}

}  // namespace

void convertGbkText(std::string& gbk, TextConversion conversion)
{
    if (conversion == TextConversion::toTraditional || conversion == TextConversion::toSimplified) {
        convertCharactersInPlace(gbk, characterKind(conversion));  // same length, zero bytes kept
        return;
    }
    std::string converted;
    converted.reserve(gbk.size());
    forEachZeroFreeStretch(gbk, [&](std::string_view stretch, bool afterZero) {
        if (afterZero) {
            converted.push_back('\0');
        }
        if (!stretch.empty()) {
            converted.append(convertMartian(Text(stretch), conversion).bytes());
        }
        return true;
    });
    gbk = std::move(converted);
}

ChunkSteps textFilterSteps(TextCodec& codec, TextConversion conversion)
{
    // The reading thread decodes and converts, the writing thread encodes:
    // the two halves of the work take about the same time.
    return ChunkSteps{
        .decode =
            [&codec, conversion](std::string_view input, bool atEnd) {
                DecodedPiece piece = codec.decode(input, atEnd);
                convertGbkText(piece.bytes, conversion);
                return piece;
            },
        .convert =
            [&codec](std::string_view piece, std::uint64_t inputOffset, std::string& output) {
                if (codec.encode(piece, output)) {
                    return std::string();
                }
                return "a character after byte " + std::to_string(inputOffset) + " has no form in " + codec.name();
            },
        .startInput = [&codec] { codec.startInput(); },
        .invalidInput = "not valid " + codec.name(),
    };
}

}  // namespace harvela::cli
