// SPDX-License-Identifier: Apache-2.0
#include "cli/character_boundary.h"

namespace harvela::cli {

namespace {

bool inRange(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

std::size_t utf8SequenceLength(unsigned char lead)
{
    if (inRange(lead, 0xC0, 0xDF)) {
        return 2;
    }
    if (inRange(lead, 0xE0, 0xEF)) {
        return 3;
    }
    if (inRange(lead, 0xF0, 0xF7)) {
        return 4;
    }
    return 1;
}

}  // namespace

std::size_t utf8Boundary(std::string_view bytes)
{
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) != 0x80) {  // not a continuation byte: the last sequence starts here
            return back < utf8SequenceLength(byte) ? size - back : size;
        }
    }
    return size;
}

std::size_t gbkPairBoundary(std::string_view bytes)
{
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = static_cast<unsigned char>(bytes[at]) >= 0x80 ? 2 : 1;
        if (at + length > bytes.size()) {
            break;
        }
        at += length;
    }
    return at;
}

Gb18030Walk walkGb18030(std::string_view bytes, bool atEnd)
{
    const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const std::size_t size = bytes.size();
    std::size_t at = 0;
    while (at < size) {
        const unsigned char lead = byteAt(at);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        if (!inRange(lead, 0x81, 0xFE)) {
            return {at, at};
        }
        if (at + 1 >= size) {
            break;
        }
        const unsigned char second = byteAt(at + 1);
        if (inRange(second, 0x30, 0x39)) {
            if (at + 3 >= size) {
                break;
            }
            if (!inRange(byteAt(at + 2), 0x81, 0xFE) || !inRange(byteAt(at + 3), 0x30, 0x39)) {
                return {at, at};
            }
            at += 4;
        } else if (inRange(second, 0x40, 0x7E) || inRange(second, 0x80, 0xFE)) {
            at += 2;
        } else {
            return {at, at};
        }
    }
    if (atEnd && at < size) {
        return {at, at};  // the input ends inside a character
    }
    return {at, std::nullopt};
}

}  // namespace harvela::cli
