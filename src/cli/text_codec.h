// SPDX-License-Identifier: Apache-2.0
#pragma once

// The encoding named with --encoding, for the text filters: it turns input
// bytes into the program's GBK (GB18030) text and the converted text back.
// UTF-8 goes through the program's lossless codec, so a character outside GBK
// comes out exactly as it went in; GBK and GB18030 need no decoding; any other
// encoding iconv knows goes through UTF-8.

#include <memory>
#include <string>
#include <string_view>

#include "cli/chunked_pipeline.h"

namespace harvela::cli {

class TextCodec {
public:
    // The codec of an encoding name, or nothing for a name iconv does not know.
    static std::unique_ptr<TextCodec> forEncoding(const std::string& name);

    virtual ~TextCodec() = default;
    TextCodec(const TextCodec&) = delete;
    TextCodec& operator=(const TextCodec&) = delete;

    // Forgets what the previous input left behind (a byte-order mark seen, a shift state).
    virtual void startInput() {}
    // The GBK text of the whole characters at the start of bytes (all of
    // them when atEnd). A zero byte stays a zero byte.
    virtual DecodedPiece decode(std::string_view bytes, bool atEnd) = 0;
    // Appends the GBK text (whole characters; zero bytes allowed) in this
    // encoding; false when a character has no form in it.
    virtual bool encode(std::string_view gbk, std::string& out) = 0;

    // How the name of the encoding is shown in messages.
    const std::string& name() const { return name_; }

protected:
    explicit TextCodec(std::string name) : name_(std::move(name)) {}

private:
    std::string name_;
};

}  // namespace harvela::cli
