// SPDX-License-Identifier: Apache-2.0
#include "text/gbk_codec.h"

#include <cstddef>
#include <cstring>

#include "text/gb18030_mapping.h"
#include "text/utf8_scan.h"

namespace harvela {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
constexpr gb18030::Code kReplacementCode = 0x8431A437;

// The converted bytes, in one buffer sized from the input that grows
// geometrically if the input turns out to need more.
class Output {
public:
    explicit Output(std::size_t expectedSize) : bytes_(expectedSize + 16, '\0') {}

    // Room for at least one more character of up to four bytes.
    void makeRoom()
    {
        if (bytes_.size() - used_ < 4) {
            bytes_.resize(bytes_.size() * 2);
        }
    }
    void put(unsigned char byte) { bytes_[used_++] = static_cast<char>(byte); }

    void putUtf8(char32_t scalar)
    {
        if (scalar < 0x80) {
            put(scalar);
        } else if (scalar < 0x800) {
            put(0xC0 | (scalar >> 6));
            put(0x80 | (scalar & 0x3F));
        } else if (scalar < 0x10000) {
            put(0xE0 | (scalar >> 12));
            put(0x80 | ((scalar >> 6) & 0x3F));
            put(0x80 | (scalar & 0x3F));
        } else {
            put(0xF0 | (scalar >> 18));
            put(0x80 | ((scalar >> 12) & 0x3F));
            put(0x80 | ((scalar >> 6) & 0x3F));
            put(0x80 | (scalar & 0x3F));
        }
    }

    void putCode(gb18030::Code code)
    {
        if (gb18030::isFourByteCode(code)) {
            put(code >> 24);
            put((code >> 16) & 0xFF);
        }
        if (code > 0xFF) {
            put((code >> 8) & 0xFF);
        }
        put(code & 0xFF);
    }

    void putBytes(std::string_view bytes)
    {
        std::memcpy(bytes_.data() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }

    std::string take() &&
    {
        bytes_.resize(used_);
        return std::move(bytes_);
    }

private:
    std::string bytes_;
    std::size_t used_ = 0;
};

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

// Encodes utf8 into output. Malformed UTF-8 becomes one replacement code per
// maximal subpart, or, when strict, ends the encoding: the result is then the
// offset of the malformed sequence (a zero byte counts as malformed).
std::optional<std::size_t> encode(std::string_view utf8, Output& output, bool strict)
{
    const gb18030::Mapping& mapping = gb18030::mapping();
    std::size_t at = 0;
    while (at < utf8.size()) {
        output.makeRoom();
        const auto first = static_cast<unsigned char>(utf8[at]);
        if (first != 0 && first < 0x80) {
            output.put(first);
            ++at;
            continue;
        }
        if (first >= 0xE1 && first <= 0xEF && first != 0xED && at + 2 < utf8.size()) {
            // Most of Chinese text: three bytes, any continuation bytes valid.
            const auto second = static_cast<unsigned char>(utf8[at + 1]);
            const auto third = static_cast<unsigned char>(utf8[at + 2]);
            if ((second & 0xC0) == 0x80 && (third & 0xC0) == 0x80) {
                const gb18030::Code code =
                    mapping.code((first & 0x0Fu) << 12 | (second & 0x3Fu) << 6 | (third & 0x3Fu));
                output.putCode(code != 0 ? code : kReplacementCode);
                at += 3;
                continue;
            }
        }
        const utf8::Character character = utf8::readCharacter(utf8.substr(at));
        if (strict && (!character.valid || character.scalar == 0)) {
            return at;
        }
        if (character.scalar != 0 || !character.valid) {  // U+0000 is left out
            const gb18030::Code code = character.valid ? mapping.code(character.scalar) : 0;
            output.putCode(code != 0 ? code : kReplacementCode);
        }
        at += character.length;
    }
    return std::nullopt;
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    if (gbk.empty()) {
        return {};
    }
    const gb18030::Mapping& mapping = gb18030::mapping();
    // One byte gives one, two give at most three, four give four; a broken
    // lone byte gives three, which the output grows for.
    Output output(gbk.size() + gbk.size() / 2);
    std::size_t at = 0;
    while (at < gbk.size()) {
        output.makeRoom();
        const auto first = static_cast<unsigned char>(gbk[at]);
        if (first < 0x80) {
            output.put(first);
            ++at;
            continue;
        }
        const std::string_view rest = gbk.substr(at);
        const Decoded decoded = decodeMultiByte(mapping, rest);
        if (decoded.scalar != 0) {
            output.putUtf8(decoded.scalar);
            at += decoded.length;
        } else {
            output.putBytes(kReplacementUtf8);
            at += undecodableLength(rest);
        }
    }
    return std::move(output).take();
}

Text utf8ToGbk(std::string_view utf8)
{
    if (utf8.empty()) {
        return {};
    }
    // Chinese text shrinks from three bytes to two; other letters may grow
    // from two bytes to four, which the output grows for.
    Output output(utf8.size());
    encode(utf8, output, false);
    return Text(std::move(output).take());
}

StrictGbk utf8ToGbkStrict(std::string_view utf8)
{
    Output output(utf8.size());
    if (const std::optional<std::size_t> invalid = encode(utf8, output, true)) {
        return {Text(), invalid};
    }
    return {Text(std::move(output).take()), std::nullopt};
}

}  // namespace harvela
