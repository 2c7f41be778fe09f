// SPDX-License-Identifier: Apache-2.0
#include "text/gbk_codec.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "text/gb18030_mapping.h"
#include "text/utf8_scan.h"

namespace harvela {

namespace {

constexpr gb18030::Code kReplacementCode = 0x8431A437;
constexpr char32_t kReplacementCharacter = 0xFFFD;

// The converted text, in one buffer sized from the input that grows
// geometrically if the input turns out to need more.
template <typename Unit>
class Output {
public:
    explicit Output(std::size_t expectedSize) : units_(expectedSize + 16, Unit{}) {}
    // Goes on after the units already in units.
    Output(std::basic_string<Unit>&& units, std::size_t expectedSize) : units_(std::move(units)), used_(units_.size())
    {
        units_.resize(used_ + expectedSize + 16);
    }

    // Room for at least one more character of up to four units.
    void makeRoom()
    {
        if (units_.size() - used_ < 4) {
            units_.resize(units_.size() * 2);
        }
    }
    void put(std::uint32_t unit) { units_[used_++] = static_cast<Unit>(unit); }
    // The free room, for a loop that writes through a pointer of its own:
    // the stores of single units could change the count as far as the
    // compiler knows, which would keep it from holding the count in a register.
    Unit* cursor() { return units_.data() + used_; }
    Unit* end() { return units_.data() + units_.size(); }
    void advanceTo(const Unit* cursor) { used_ = static_cast<std::size_t>(cursor - units_.data()); }

    std::basic_string<Unit> take() &&
    {
        units_.resize(used_);
        return std::move(units_);
    }

private:
    std::basic_string<Unit> units_;
    std::size_t used_ = 0;
};

void putCharacter(Output<char>& output, char32_t scalar)
{
    if (scalar < 0x80) {
        output.put(scalar);
    } else if (scalar < 0x800) {
        output.put(0xC0 | (scalar >> 6));
        output.put(0x80 | (scalar & 0x3F));
    } else if (scalar < 0x10000) {
        output.put(0xE0 | (scalar >> 12));
        output.put(0x80 | ((scalar >> 6) & 0x3F));
        output.put(0x80 | (scalar & 0x3F));
    } else {
        output.put(0xF0 | (scalar >> 18));
        output.put(0x80 | ((scalar >> 12) & 0x3F));
        output.put(0x80 | ((scalar >> 6) & 0x3F));
        output.put(0x80 | (scalar & 0x3F));
    }
}

// UTF-16 into a buffer with room for all of it: a GBK text never takes more
// units in UTF-16 than it has bytes.
class Utf16Output {
public:
    explicit Utf16Output(char16_t* units) : cursor_(units) {}
    void makeRoom() {}
    void put(std::uint32_t unit) { *cursor_++ = static_cast<char16_t>(unit); }
    char16_t* cursor() const { return cursor_; }
    void advanceTo(char16_t* cursor) { cursor_ = cursor; }

private:
    char16_t* cursor_;
};

void putCharacter(Utf16Output& output, char32_t scalar)
{
    if (scalar < 0x10000) {
        output.put(scalar);
    } else {
        output.put(0xD800 + ((scalar - 0x10000) >> 10));
        output.put(0xDC00 + (scalar & 0x3FF));
    }
}

// The code of a character, or of U+FFFD where there is none.
void putCode(Output<char>& output, gb18030::Code code)
{
    if (code == 0) {
        code = kReplacementCode;
    }
    if (gb18030::isFourByteCode(code)) {
        output.put(code >> 24);
        output.put((code >> 16) & 0xFF);
    }
    if (code > 0xFF) {
        output.put((code >> 8) & 0xFF);
    }
    output.put(code & 0xFF);
}

bool inRange(char byte, unsigned char low, unsigned char high)
{
    const auto value = static_cast<unsigned char>(byte);
    return value >= low && value <= high;
}

bool isFourByteShape(std::string_view bytes)
{
    return bytes.size() >= 4 && inRange(bytes[0], 0x81, 0xFE) && inRange(bytes[1], 0x30, 0x39)
        && inRange(bytes[2], 0x81, 0xFE) && inRange(bytes[3], 0x30, 0x39);
}

// The number of bytes shown as one U+FFFD where GB18030 decoding fails at the
// start of bytes: a whole four-byte code; a lead byte with a following
// non-ASCII byte; otherwise one byte, so that an ASCII character after a
// broken lead byte is still shown.
std::size_t undecodableLength(std::string_view bytes)
{
    if (isFourByteShape(bytes)) {
        return 4;
    }
    const bool pair = bytes.size() >= 2 && isLeadByte(static_cast<unsigned char>(bytes[0]))
        && isLeadByte(static_cast<unsigned char>(bytes[1]));
    return pair ? 2 : 1;
}

// The character coded at the start of bytes (a lead byte comes first), and
// the code's length; 0 where the bytes code nothing.
struct Decoded {
    char32_t scalar;
    std::size_t length;
};

Decoded decodeMultiByte(const gb18030::Mapping& mapping, std::string_view bytes)
{
    const auto byte = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 && byte(0) >= 0x81 && byte(0) <= 0xFE) {
        if (byte(1) >= 0x40 && byte(1) <= 0xFE) {
            return {mapping.twoByte(byte(0), byte(1)), 2};
        }
        if (isFourByteShape(bytes)) {
            return {mapping.fourByte(byte(0), byte(1), byte(2), byte(3)), 4};
        }
    }
    return {0, 0};
}

// Encodes ASCII but U+0000, and the three-byte characters whose lead byte is
// E1-EF but ED (any continuation bytes make them valid), which make up most
// text, from at on, as far as the room lasts. Returns where it stopped: at
// anything else, which the general path takes, at the end, or where the room
// ran out.
std::size_t encodeCommonRun(const gb18030::Mapping& mapping, std::string_view utf8, std::size_t at,
                            Output<char>& output)
{
    const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t size = utf8.size();
    char* out = output.cursor();
    char* const end = output.end();
    while (at < size && end - out >= 2) {
        const unsigned first = in[at];
        if (first - 1u < 0x7Fu) {  // 01-7F
            *out++ = static_cast<char>(first);
            ++at;
            continue;
        }
        if (first - 0xE1u > 0xEFu - 0xE1u || first == 0xED || size - at < 3) {
            break;
        }
        const unsigned second = in[at + 1];
        const unsigned third = in[at + 2];
        if ((second & 0xC0u) != 0x80u || (third & 0xC0u) != 0x80u) {
            break;
        }
        const gb18030::Code code = mapping.code((first & 0x0Fu) << 12 | (second & 0x3Fu) << 6 | (third & 0x3Fu));
        if (code <= 0xFF || code > 0xFFFF) {
            break;  // no code, or a four-byte one
        }
        out[0] = static_cast<char>(code >> 8);
        out[1] = static_cast<char>(code & 0xFF);
        out += 2;
        at += 3;
    }
    output.advanceTo(out);
    return at;
}

// The same for UTF-16: encodes ASCII but U+0000 and, when line breaks
// change, LF, and the characters outside the surrogates that have two-byte
// codes. U+2028 and U+2029 have four-byte codes, so they stop it too.
std::size_t encodeCommonUtf16Run(const gb18030::Mapping& mapping, std::u16string_view utf16, std::size_t at,
                                 Output<char>& output, bool crLf)
{
    const std::size_t size = utf16.size();
    char* out = output.cursor();
    char* const end = output.end();
    while (at < size && end - out >= 2) {
        const unsigned unit = utf16[at];
        if (unit - 1u < 0x7Fu) {  // 01-7F
            if (unit == '\n' && crLf) {
                break;
            }
            *out++ = static_cast<char>(unit);
            ++at;
            continue;
        }
        if (unit - 0xD800u <= 0xDFFFu - 0xD800u || unit == 0) {
            break;
        }
        const gb18030::Code code = mapping.code(unit);
        if (code <= 0xFF || code > 0xFFFF) {
            break;  // no code, or a four-byte one
        }
        out[0] = static_cast<char>(code >> 8);
        out[1] = static_cast<char>(code & 0xFF);
        out += 2;
        ++at;
    }
    output.advanceTo(out);
    return at;
}

// Encodes utf8 into output. Malformed UTF-8 becomes one replacement code per
// maximal subpart, or, when strict, ends the encoding: the result is then the
// offset of the malformed sequence (a zero byte counts as malformed).
std::optional<std::size_t> encode(std::string_view utf8, Output<char>& output, bool strict)
{
    const gb18030::Mapping& mapping = gb18030::mapping();
    std::size_t at = 0;
    while (at < utf8.size()) {
        at = encodeCommonRun(mapping, utf8, at, output);
        if (at == utf8.size()) {
            break;
        }
        output.makeRoom();
        const auto first = static_cast<unsigned char>(utf8[at]);
        if (first != 0 && first < 0x80) {
            output.put(first);
            ++at;
            continue;
        }
        const utf8::Character character = utf8::readCharacter(utf8.substr(at));
        if (strict && (!character.valid || character.scalar == 0)) {
            return at;
        }
        if (character.scalar != 0 || !character.valid) {  // U+0000 is left out
            putCode(output, character.valid ? mapping.code(character.scalar) : 0);
        }
        at += character.length;
    }
    return std::nullopt;
}

// In UTF-8, one byte of GB18030 gives one, two give at most three, four give
// four. A broken lone byte gives three, which the output grows for.
std::size_t utf8SizeFor(std::string_view gbk)
{
    return gbk.size() + gbk.size() / 2;
}

// The character of the two-byte code at in[at], or 0 where none is there.
char32_t twoByteScalarAt(const gb18030::Mapping& mapping, const unsigned char* in, std::size_t at, std::size_t size)
{
    if (size - at < 2) {
        return 0;
    }
    const unsigned char first = in[at];
    const unsigned char second = in[at + 1];
    if (first - 0x81u > 0xFEu - 0x81u || second - 0x40u > 0xFEu - 0x40u) {
        return 0;
    }
    return mapping.twoByte(first, second);
}

// Decodes ASCII and the two-byte codes of characters that take three bytes in
// UTF-8, which make up most text, from at on, as far as the room lasts.
// Returns where it stopped: at anything else, which the general path takes,
// at the end, or where the room ran out.
std::size_t decodeCommonRun(const gb18030::Mapping& mapping, std::string_view gbk, std::size_t at,
                            Output<char>& output)
{
    const auto* in = reinterpret_cast<const unsigned char*>(gbk.data());
    const std::size_t size = gbk.size();
    char* out = output.cursor();
    char* const end = output.end();
    while (at < size && end - out >= 3) {
        const unsigned first = in[at];
        if (first < 0x80) {
            *out++ = static_cast<char>(first);
            ++at;
            continue;
        }
        const char32_t scalar = twoByteScalarAt(mapping, in, at, size);
        if (scalar < 0x800 || scalar > 0xFFFF) {
            break;  // none, or not three bytes in UTF-8
        }
        out[0] = static_cast<char>(0xE0 | (scalar >> 12));
        out[1] = static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (scalar & 0x3F));
        out += 3;
        at += 2;
    }
    output.advanceTo(out);
    return at;
}

// The same for UTF-16, which always has room: ASCII but CR where line breaks
// change, and the two-byte codes of characters in the Basic Multilingual Plane.
std::size_t decodeCommonRun(const gb18030::Mapping& mapping, std::string_view gbk, std::size_t at,
                            Utf16Output& output, bool crLf)
{
    const auto* in = reinterpret_cast<const unsigned char*>(gbk.data());
    const std::size_t size = gbk.size();
    char16_t* out = output.cursor();
    while (at < size) {
        const unsigned first = in[at];
        if (first < 0x80) {
            if (first == '\r' && crLf) {
                break;
            }
            *out++ = static_cast<char16_t>(first);
            ++at;
            continue;
        }
        const char32_t scalar = twoByteScalarAt(mapping, in, at, size);
        if (scalar == 0 || scalar > 0xFFFF) {
            break;  // none, or two units in UTF-16
        }
        *out++ = static_cast<char16_t>(scalar);
        at += 2;
    }
    output.advanceTo(out);
    return at;
}

// Decodes GB18030 bytes into UTF-8 or UTF-16. Line breaks are only ever
// changed on the way to UTF-16 (a window's text).
template <typename Out>
void decodeInto(std::string_view gbk, Out& output, LineBreaks lineBreaks = LineBreaks::unchanged)
{
    const gb18030::Mapping& mapping = gb18030::mapping();
    std::size_t at = 0;
    while (at < gbk.size()) {
        if constexpr (std::is_same_v<Out, Output<char>>) {
            at = decodeCommonRun(mapping, gbk, at, output);
        } else {
            at = decodeCommonRun(mapping, gbk, at, output, lineBreaks == LineBreaks::crLfInGbk);
        }
        if (at == gbk.size()) {
            break;
        }
        output.makeRoom();
        const auto first = static_cast<unsigned char>(gbk[at]);
        if (first < 0x80) {
            if (first == '\r' && lineBreaks == LineBreaks::crLfInGbk && at + 1 < gbk.size() && gbk[at + 1] == '\n') {
                ++at;  // CR LF shows as its LF
                continue;
            }
            output.put(first);
            ++at;
            continue;
        }
        const std::string_view rest = gbk.substr(at);
        const Decoded decoded = decodeMultiByte(mapping, rest);
        if (decoded.scalar != 0) {
            putCharacter(output, decoded.scalar);
            at += decoded.length;
        } else {
            putCharacter(output, kReplacementCharacter);
            at += undecodableLength(rest);
        }
    }
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    std::string utf8;
    if (!gbk.empty()) {
        appendGbkAsUtf8(gbk, utf8);
    }
    return utf8;
}

std::u16string gbkToUtf16(std::string_view gbk, LineBreaks lineBreaks)
{
    std::u16string utf16(gbk.size(), u'\0');
    utf16.resize(gbkToUtf16(gbk, utf16, lineBreaks));
    return utf16;
}

std::size_t gbkToUtf16(std::string_view gbk, std::span<char16_t> out, LineBreaks lineBreaks)
{
    assert(out.size() >= gbk.size());
    Utf16Output output(out.data());
    decodeInto(gbk, output, lineBreaks);
    return static_cast<std::size_t>(output.cursor() - out.data());
}

Text utf8ToGbk(std::string_view utf8)
{
    if (utf8.empty()) {
        return {};
    }
    // Chinese text shrinks from three bytes to two; other letters may grow
    // from two bytes to four, which the output grows for.
    Output<char> output(utf8.size());
    encode(utf8, output, false);
    return Text(std::move(output).take());
}

Text utf16ToGbk(std::u16string_view utf16, LineBreaks lineBreaks)
{
    if (utf16.empty()) {
        return {};
    }
    const gb18030::Mapping& mapping = gb18030::mapping();
    // A unit gives at most two bytes, but for the few characters with
    // four-byte codes, which the output grows for.
    Output<char> output(utf16.size() * 2);
    const bool crLf = lineBreaks == LineBreaks::crLfInGbk;
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        at = encodeCommonUtf16Run(mapping, utf16, at, output, crLf);
        if (at == utf16.size()) {
            break;
        }
        output.makeRoom();
        const char16_t unit = utf16[at];
        if (crLf && (unit == u'\n' || unit == u'\u2028' || unit == u'\u2029')) {
            output.put('\r');
            output.put('\n');
        } else if (unit < 0x80) {
            if (unit != 0) {  // U+0000 is left out
                output.put(unit);
            }
        } else if (unit < 0xD800 || unit > 0xDFFF) {
            putCode(output, mapping.code(unit));
        } else if (unit <= 0xDBFF && at + 1 < utf16.size() && utf16[at + 1] >= 0xDC00 && utf16[at + 1] <= 0xDFFF) {
            putCode(output, mapping.code(0x10000 + ((unit - 0xD800) << 10) + (utf16[at + 1] - 0xDC00)));
            ++at;
        } else {
            putCode(output, 0);  // a surrogate without its partner
        }
    }
    return Text(std::move(output).take());
}

void appendGbkAsUtf8(std::string_view gbk, std::string& out)
{
    Output<char> output(std::move(out), utf8SizeFor(gbk));
    decodeInto(gbk, output);
    out = std::move(output).take();
}

std::optional<std::size_t> appendUtf8AsGbkStrict(std::string_view utf8, std::string& out)
{
    const std::size_t start = out.size();
    Output<char> output(std::move(out), utf8.size());
    const std::optional<std::size_t> invalid = encode(utf8, output, true);
    out = std::move(output).take();
    if (invalid) {
        out.resize(start);
    }
    return invalid;
}

StrictGbk utf8ToGbkStrict(std::string_view utf8)
{
    std::string gbk;
    if (const std::optional<std::size_t> invalid = appendUtf8AsGbkStrict(utf8, gbk)) {
        return {Text(), invalid};
    }
    return {Text(std::move(gbk)), std::nullopt};
}

}  // namespace harvela
