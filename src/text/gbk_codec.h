// SPDX-License-Identifier: Apache-2.0
#pragma once

// Conversion between the program's GBK texts and Unicode (UTF-8), for the
// places where a text meets the desktop: the edit boxes and the clipboard.
//
// The conversion goes through GB18030, which is GBK for every GBK code and
// gives every other Unicode character a four-byte code. So nothing the user
// types or pastes is lost or turned into "?": the program's conversions pass
// such four-byte codes through unchanged, and they come back out as the
// same characters. Every Unicode scalar value from U+0001 to U+10FFFF survives
// utf8ToGbk followed by gbkToUtf8, including the few private-use characters
// that the C library's GB18030 has no code for (the codec codes those itself).

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "text/text.h"

namespace harvela {

// The Unicode form of GBK bytes. A byte sequence that stands for no character
// shows as one U+FFFD: a four-byte code that stands for nothing as a whole; a
// lead byte together with its following byte when that byte is not ASCII; the
// lead byte alone otherwise (so an ASCII character after a broken lead byte is
// still shown).
std::string gbkToUtf8(std::string_view gbk);

// The GBK (GB18030) form of UTF-8 text. Each malformed piece of UTF-8 becomes
// one code of U+FFFD, a piece being what Unicode calls a maximal subpart: the
// longest start of a well-formed sequence, or else a single byte (so "E4 B8"
// cut off by "A" is one, an encoded surrogate "ED A0 80" is three). U+0000,
// which no text can hold, is left out.
Text utf8ToGbk(std::string_view utf8);

// How line breaks cross over. A multi-line box writes a line break as CR LF
// in its GBK text and as one LF in the Unicode it shows, where U+2028 and
// U+2029 are line breaks too; converting them on the way saves a pass over
// the whole text.
enum class LineBreaks {
    unchanged,
    crLfInGbk,  // GBK CR LF -> LF; LF, U+2028, U+2029 -> GBK CR LF
};

// The same two conversions for UTF-16, the form a window toolkit holds its
// text in, without a step through UTF-8. A surrogate without its partner is
// one malformed piece.
std::u16string gbkToUtf16(std::string_view gbk, LineBreaks lineBreaks = LineBreaks::unchanged);
// The same straight into out, which needs room for gbk.size() units (no GBK
// text takes more in UTF-16), for a string type of the caller's own; returns
// the number of units written.
std::size_t gbkToUtf16(std::string_view gbk, std::span<char16_t> out, LineBreaks lineBreaks = LineBreaks::unchanged);
Text utf16ToGbk(std::u16string_view utf16, LineBreaks lineBreaks = LineBreaks::unchanged);

// The strict form of utf8ToGbk, for whole files: valid UTF-8 becomes its
// GB18030 bytes with exactly the same mapping, and anything else is refused.
// invalidOffset is the byte offset of the first sequence that is not valid
// UTF-8 (where the malformed sequence starts), and text is then empty. A zero
// byte counts as invalid, since no text can hold it, and so does a sequence
// cut off by the end of the input: split input only at character boundaries.
struct StrictGbk {
    Text text;
    std::optional<std::size_t> invalidOffset;
};
StrictGbk utf8ToGbkStrict(std::string_view utf8);

// gbkToUtf8 and utf8ToGbkStrict appending to out, for a large input converted
// piece by piece into one buffer. The strict form returns the offset of the
// first invalid sequence, and then leaves out as it was.
void appendGbkAsUtf8(std::string_view gbk, std::string& out);
std::optional<std::size_t> appendUtf8AsGbkStrict(std::string_view utf8, std::string& out);

}  // namespace harvela
