// SPDX-License-Identifier: Apache-2.0
#include "text/memory_stream.h"

#include <algorithm>

namespace harvela {

void MemoryStream::write(std::string_view bytes)
{
    const std::size_t end = position_ + bytes.size();
    if (bytes_.size() < end) {
        bytes_.resize(end);
    }
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(position_));
    position_ = end;
}

void MemoryStream::writeData(const Text& text)
{
    write(std::string_view(text.c_str(), text.bytes().size() + 1));
}

void MemoryStream::writeText(const Text& text)
{
    write(text.bytes());
}

ByteSet MemoryStream::readBytes(Count count)
{
    if (count < 1 || atEnd()) {
        return {};
    }
    const std::size_t taken = std::min(static_cast<std::size_t>(count), bytes_.size() - position_);
    ByteSet result(std::string_view(bytes_).substr(position_, taken));
    position_ += taken;
    return result;
}

Text MemoryStream::readAllText()
{
    if (atEnd()) {
        return {};
    }
    const std::string_view rest = std::string_view(bytes_).substr(position_);
    position_ = bytes_.size();
    std::size_t at = 0;
    while (at < rest.size()) {
        const auto byte = static_cast<unsigned char>(rest[at]);
        if (byte == 0x00) {
            break;  // 0x1A is an ordinary character: stopping there would lose the rest of the text
        }
        if (isLeadByte(byte)) {
            if (at + 1 < rest.size() && rest[at + 1] == '\0') {
                break;  // the lead byte has no partner: drop it
            }
            at += 2;
        } else {
            at += 1;
        }
    }
    return Text(rest.substr(0, std::min(at, rest.size())));
}

}  // namespace harvela
