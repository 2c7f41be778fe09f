// SPDX-License-Identifier: Apache-2.0
#pragma once

// Text values: GBK (code page 936) byte strings that never hold a zero byte.
// A byte of 0x80 or above is a lead byte and forms one character with the byte
// after it, whatever that byte is. Lengths, counts and positions are in bytes,
// positions are 1-based and a failed search gives -1. There is no separate
// "absent" text: the empty text plays that role everywhere.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace harvela {

using Count = std::ptrdiff_t;

inline constexpr bool isLeadByte(unsigned char byte) { return byte >= 0x80; }

class Text {
public:
    Text() = default;
    // Keeps the bytes before the first zero byte, as a terminated C string would.
    Text(const char* bytes);  // NOLINT(google-explicit-constructor): literals are texts
    explicit Text(std::string_view bytes);
    // Takes the bytes over without copying them (still cut at a zero byte).
    explicit Text(std::string&& bytes);

    std::string_view bytes() const { return bytes_; }
    const char* c_str() const { return bytes_.c_str(); }
    bool empty() const { return bytes_.empty(); }
    Count length() const { return static_cast<Count>(bytes_.size()); }
    // 0-based byte access; the position past the last byte reads as the terminator 0.
    unsigned char byteAt(Count offset) const
    {
        return static_cast<unsigned char>(bytes_.c_str()[offset]);
    }

    friend bool operator==(const Text&, const Text&) = default;
    friend class ByteSet;

private:
    std::string bytes_;
};

// Bytes of any value, zero included.
class ByteSet {
public:
    ByteSet() = default;
    explicit ByteSet(std::string_view bytes) : bytes_(bytes) {}
    // Takes the bytes over without copying them.
    explicit ByteSet(std::string&& bytes) : bytes_(std::move(bytes)) {}
    ByteSet(std::initializer_list<std::uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}
    // A text's bytes, taken over without copying them.
    explicit ByteSet(Text&& text) : bytes_(std::move(text.bytes_)) {}

    std::string_view bytes() const { return bytes_; }
    // The bytes taken over, leaving the set empty.
    std::string release() && { return std::move(bytes_); }
    const char* data() const { return bytes_.data(); }
    bool empty() const { return bytes_.empty(); }
    Count size() const { return static_cast<Count>(bytes_.size()); }

    friend bool operator==(const ByteSet&, const ByteSet&) = default;

private:
    std::string bytes_;
};

Count textLength(const Text& text);
Text leftText(const Text& text, Count count);
Text rightText(const Text& text, Count count);
Text midText(const Text& text, Count start, Count count);
// First occurrence that begins at a character start, or -1.
Count findText(const Text& text, const Text& sought);
Text replaceText(const Text& text, const Text& sought, const Text& replacement);
// -1, 0 or +1, comparing unsigned bytes; the shorter text is the smaller.
int compareText(const Text& a, const Text& b);
ByteSet textToBytes(const Text& text);
Text bytesToText(const ByteSet& bytes);
// The same, taking the bytes over: a large text is not copied.
ByteSet textToBytes(Text&& text);
Text bytesToText(ByteSet&& bytes);

namespace detail {
inline std::string_view bytesOf(const Text& text) { return text.bytes(); }
inline std::string_view bytesOf(const ByteSet& bytes) { return bytes.bytes(); }
inline std::string_view bytesOf(const char* text) { return text; }
}  // namespace detail

template <typename... Texts>
Text concatTexts(const Text& first, const Texts&... rest)
{
    std::string joined(first.bytes());
    (joined.append(detail::bytesOf(rest)), ...);
    return Text(joined);
}

template <typename... ByteSets>
ByteSet concatBytes(const ByteSet& first, const ByteSets&... rest)
{
    std::string joined(first.bytes());
    (joined.append(rest.bytes()), ...);
    return ByteSet(joined);
}

}  // namespace harvela
