// SPDX-License-Identifier: Apache-2.0
#include "text/text.h"

#include <algorithm>
#include <cstring>

namespace harvela {

namespace {

std::string_view untilZero(std::string_view bytes)
{
    return bytes.substr(0, std::min(bytes.find('\0'), bytes.size()));
}

}  // namespace

Text::Text(const char* bytes) : bytes_(bytes == nullptr ? "" : bytes) {}

Text::Text(std::string_view bytes) : bytes_(untilZero(bytes)) {}

Text::Text(std::string&& bytes) : bytes_(std::move(bytes))
{
    bytes_.resize(untilZero(bytes_).size());
}

Count textLength(const Text& text)
{
    return text.length();
}

Text leftText(const Text& text, Count count)
{
    if (count <= 0) {
        return {};
    }
    return Text(text.bytes().substr(0, static_cast<std::size_t>(count)));
}

Text rightText(const Text& text, Count count)
{
    if (count <= 0) {
        return {};
    }
    const Count taken = std::min(count, text.length());
    return Text(text.bytes().substr(static_cast<std::size_t>(text.length() - taken)));
}

Text midText(const Text& text, Count start, Count count)
{
    if (start < 1 || start > text.length() || count <= 0) {
        return {};
    }
    return Text(text.bytes().substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)));
}

Count findText(const Text& text, const Text& sought)
{
    const std::string_view bytes = text.bytes();
    const std::size_t soughtLength = sought.bytes().size();
    std::size_t at = 0;
    while (bytes.size() - at >= soughtLength && at < bytes.size()) {
        if (bytes.compare(at, soughtLength, sought.bytes()) == 0) {
            return static_cast<Count>(at) + 1;
        }
        if (isLeadByte(text.byteAt(static_cast<Count>(at)))) {
            if (at + 1 == bytes.size()) {
                return -1;  // a lone lead byte ends the text
            }
            at += 2;
        } else {
            at += 1;
        }
    }
    return -1;
}

Text replaceText(const Text& text, const Text& sought, const Text& replacement)
{
    if (text.empty() || sought.empty()) {
        return text;
    }
    const std::string_view bytes = text.bytes();
    const std::size_t soughtLength = sought.bytes().size();
    std::string result;
    result.reserve(bytes.size());
    std::size_t at = 0;
    while (bytes.size() - at >= soughtLength) {
        if (bytes.compare(at, soughtLength, sought.bytes()) == 0) {
            result.append(replacement.bytes());
            at += soughtLength;
        } else if (isLeadByte(text.byteAt(static_cast<Count>(at)))) {
            if (at + 1 == bytes.size()) {
                return Text(std::move(result));  // a lone lead byte at the end is dropped
            }
            result.append(bytes.substr(at, 2));
            at += 2;
        } else {
            result.push_back(bytes[at]);
            at += 1;
        }
    }
    result.append(bytes.substr(at));
    return Text(std::move(result));
}

int compareText(const Text& a, const Text& b)
{
    const int order = a.bytes().compare(b.bytes());  // char_traits<char> compares as unsigned
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

ByteSet textToBytes(const Text& text)
{
    return ByteSet(text.bytes());
}

Text bytesToText(const ByteSet& bytes)
{
    return Text(bytes.bytes());
}

ByteSet textToBytes(Text&& text)
{
    return ByteSet(std::move(text));
}

Text bytesToText(ByteSet&& bytes)
{
    return Text(std::move(bytes).release());  // still cut at the first zero byte
}

}  // namespace harvela
