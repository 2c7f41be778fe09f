// SPDX-License-Identifier: Apache-2.0
#include "cli/text_codec.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string>

#include "cli/character_boundary.h"
#include "cli/zero_free_stretches.h"
#include "text/gbk_codec.h"
#include "text/iconv_converter.h"

namespace harvela::cli {

namespace {

class Utf8Codec final : public TextCodec {
public:
    Utf8Codec() : TextCodec("UTF-8") {}

    DecodedPiece decode(std::string_view bytes, bool atEnd) override
    {
        DecodedPiece piece;
        piece.used = atEnd ? bytes.size() : utf8Boundary(bytes);
        const std::string_view whole = bytes.substr(0, piece.used);
        std::size_t stretchStart = 0;
        forEachZeroFreeStretch(whole, [&](std::string_view stretch, bool afterZero) {
            if (afterZero) {
                piece.bytes.push_back('\0');
            }
            if (stretch.empty()) {
                stretchStart += 1;
                return true;
            }
            if (const std::optional<std::size_t> invalid = appendUtf8AsGbkStrict(stretch, piece.bytes)) {
                piece.invalidOffset = stretchStart + *invalid;
                return false;
            }
            stretchStart += stretch.size() + 1;
            return true;
        });
        return piece;
    }

    bool encode(std::string_view gbk, std::string& out) override
    {
        forEachZeroFreeStretch(gbk, [&](std::string_view stretch, bool afterZero) {
            if (afterZero) {
                out.push_back('\0');
            }
            appendGbkAsUtf8(stretch, out);
            return true;
        });
        return true;
    }
};

// GBK and GB18030 input is already the program's text; it is only checked.
class Gb18030Codec final : public TextCodec {
public:
    explicit Gb18030Codec(std::string name) : TextCodec(std::move(name)) {}

    DecodedPiece decode(std::string_view bytes, bool atEnd) override
    {
        const Gb18030Walk walk = walkGb18030(bytes, atEnd);
        DecodedPiece piece;
        piece.invalidOffset = walk.invalidOffset;
        if (!walk.invalidOffset) {
            piece.used = walk.boundary;
            piece.bytes.assign(bytes.substr(0, walk.boundary));
        }
        return piece;
    }

    bool encode(std::string_view gbk, std::string& out) override
    {
        out.append(gbk);
        return true;
    }
};

// Any other encoding: iconv to UTF-8 and back, around the UTF-8 codec.
class IconvCodec final : public TextCodec {
public:
    explicit IconvCodec(const std::string& name)
        : TextCodec(name), decoder_("UTF-8", name.c_str()), encoder_(name.c_str(), "UTF-8")
    {
    }

    bool isOpen() const { return decoder_.isOpen() && encoder_.isOpen(); }

    void startInput() override { decoder_.reset(); }

    DecodedPiece decode(std::string_view bytes, bool atEnd) override
    {
        std::string utf8;
        const auto [used, stopped] = decoder_.convert(bytes, utf8);
        DecodedPiece piece;
        if (stopped == EILSEQ || (stopped == EINVAL && atEnd)) {
            piece.invalidOffset = used;
            return piece;
        }
        piece = utf8_.decode(utf8, true);
        if (piece.invalidOffset) {
            piece.invalidOffset = 0;  // not a byte of this input that iconv could name
        }
        piece.used = used;
        return piece;
    }

    bool encode(std::string_view gbk, std::string& out) override
    {
        std::string utf8;
        utf8_.encode(gbk, utf8);
        return encoder_.convert(utf8, out).second == 0;
    }

private:
    IconvConverter decoder_;
    IconvConverter encoder_;
    Utf8Codec utf8_;
};

// The name without case, "-" or "_", so that utf8, UTF-8 and Utf_8 match.
std::string canonicalName(const std::string& name)
{
    std::string canonical;
    for (const char c : name) {
        if (c != '-' && c != '_') {
            canonical.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        }
    }
    return canonical;
}

}  // namespace

std::unique_ptr<TextCodec> TextCodec::forEncoding(const std::string& name)
{
    const std::string canonical = canonicalName(name);
    if (canonical == "UTF8") {
        return std::make_unique<Utf8Codec>();
    }
    if (canonical == "GBK" || canonical == "GB18030" || canonical == "CP936") {
        return std::make_unique<Gb18030Codec>(name);
    }
    auto codec = std::make_unique<IconvCodec>(name);
    if (!codec->isOpen()) {
        return nullptr;
    }
    return codec;
}

}  // namespace harvela::cli
