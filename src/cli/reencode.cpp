// SPDX-License-Identifier: Apache-2.0
#include "cli/reencode.h"

#include <string>

#include "cli/character_boundary.h"
#include "convert/convert_encoding.h"
#include "text/iconv_converter.h"

namespace harvela::cli {

namespace {

// Where iconv stops on bytes that convertEncoding refused: the offset of the
// first byte it cannot convert. Only run after a failure.
std::size_t firstUnconvertibleByte(std::string_view bytes, const char* from, const char* to)
{
    IconvConverter converter(to, from);
    if (!converter.isOpen()) {
        return 0;
    }
    std::string converted;
    return converter.convert(bytes, converted).first;
}

}  // namespace

ChunkSteps reencodingSteps(Reencoding reencoding)
{
    const bool fromUtf8 = reencoding == Reencoding::utf8ToGb2312;
    const char* from = fromUtf8 ? kUtf8 : kGb2312;
    const char* to = fromUtf8 ? kGb2312 : kUtf8;
    return ChunkSteps{
        .decode =
            [fromUtf8](std::string_view input, bool atEnd) {
                DecodedPiece piece;
                piece.used = atEnd ? input.size() : fromUtf8 ? utf8Boundary(input) : gbkPairBoundary(input);
                piece.bytes.assign(input.substr(0, piece.used));
                return piece;
            },
        .convert =
            [from, to](std::string_view piece, std::uint64_t inputOffset, std::string& output) {
                const ByteSet converted = convertEncoding(ByteSet(piece), from, to);
                if (converted.empty()) {
                    const std::uint64_t at = inputOffset + firstUnconvertibleByte(piece, from, to);
                    return "byte " + std::to_string(at) + ": cannot be converted from " + from + " to " + to;
                }
                output.append(converted.bytes());
                return std::string();
            },
        .startInput = {},
        .invalidInput = {},
    };
}

}  // namespace harvela::cli
