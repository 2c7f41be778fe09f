// SPDX-License-Identifier: Apache-2.0
#include "cli/text_filter.h"

#include "cli/text_codec.h"
#include "cli/zero_free_stretches.h"
#include "convert/convert_characters.h"
#include "convert/martian_text.h"

namespace harvela::cli {

namespace {

Text convertText(const Text& text, TextConversion conversion)
{
    switch (conversion) {
    case TextConversion::toTraditional:
        return convertCharacters(text, simplifiedToTraditional);
    case TextConversion::toSimplified:
        return convertCharacters(text, traditionalToSimplified);
    case TextConversion::toMartian:
        return convertMartianText(text, true);
    case TextConversion::fromMartian:
        return convertMartianText(text, false);
    }
    return text;
}

}  // namespace

std::string convertGbkText(std::string_view gbk, TextConversion conversion)
{
    std::string converted;
    converted.reserve(gbk.size());
    forEachZeroFreeStretch(gbk, [&](std::string_view stretch, bool afterZero) {
        if (afterZero) {
            converted.push_back('\0');
        }
        if (!stretch.empty()) {
            converted.append(convertText(Text(stretch), conversion).bytes());
        }
        return true;
    });
    return converted;
}

ChunkSteps textFilterSteps(TextCodec& codec, TextConversion conversion)
{
    return ChunkSteps{
        .decode = [&codec](std::string_view input, bool atEnd) { return codec.decode(input, atEnd); },
        .convert =
            [&codec, conversion](std::string_view piece, std::uint64_t inputOffset, std::string& output) {
                if (codec.encode(convertGbkText(piece, conversion), output)) {
                    return std::string();
                }
                return "a character after byte " + std::to_string(inputOffset) + " has no form in " + codec.name();
            },
        .startInput = [&codec] { codec.startInput(); },
        .invalidInput = "not valid " + codec.name(),
    };
}

}  // namespace harvela::cli
