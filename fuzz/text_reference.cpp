// SPDX-License-Identifier: Apache-2.0
#include "text_reference.h"

#include <algorithm>

#include "fuzz_input.h"

namespace harvela::fuzz {

namespace {

bool isLead(char byte)
{
    return static_cast<unsigned char>(byte) >= 0x80;
}

}  // namespace

std::string referenceLeft(std::string_view text, long count)
{
    if (count <= 0) {
        return {};
    }
    std::string taken;
    for (std::size_t at = 0; at < text.size() && taken.size() < static_cast<std::size_t>(count); ++at) {
        taken += text[at];
    }
    return taken;
}

std::string referenceRight(std::string_view text, long count)
{
    if (count <= 0) {
        return {};
    }
    std::string reversed = referenceLeft(std::string(text.rbegin(), text.rend()), count);
    return std::string(reversed.rbegin(), reversed.rend());
}

std::string referenceMid(std::string_view text, long start, long count)
{
    if (start < 1 || start > static_cast<long>(text.size()) || count <= 0) {
        return {};
    }
    return referenceLeft(text.substr(static_cast<std::size_t>(start - 1)), count);
}

long referenceFind(std::string_view text, std::string_view sought)
{
    for (std::size_t at = 0; at < text.size() && text.size() - at >= sought.size();
         at += characterLength(text, at)) {
        if (text.substr(at, sought.size()) == sought) {
            return static_cast<long>(at) + 1;
        }
    }
    return -1;
}

std::string referenceReplace(std::string_view text, std::string_view sought, std::string_view replacement)
{
    if (text.empty() || sought.empty()) {
        return std::string(text);
    }
    std::string result;
    std::size_t at = 0;
    while (text.size() - at >= sought.size()) {
        if (text.substr(at, sought.size()) == sought) {
            result += replacement;
            at += sought.size();
        } else if (isLead(text[at]) && at + 1 == text.size()) {
            return result;  // a lone lead byte at the end is dropped
        } else {
            const std::size_t length = characterLength(text, at);
            result += text.substr(at, length);
            at += length;
        }
    }
    result += text.substr(at);
    return result;
}

std::vector<std::string> referenceSplit(std::string_view text, std::string_view delimiter)
{
    std::vector<std::string> members;
    if (text.empty()) {
        return members;
    }
    if (delimiter.empty()) {
        members.emplace_back(text);  // an empty delimiter never splits
        return members;
    }
    std::size_t memberStart = 0;
    std::size_t at = 0;
    while (at < text.size() && text.size() - at >= delimiter.size()) {
        if (text.substr(at, delimiter.size()) == delimiter) {
            members.emplace_back(text.substr(memberStart, at - memberStart));
            at += delimiter.size();
            memberStart = at;
        } else if (isLead(text[at]) && at + 1 == text.size()) {
            break;
        } else {
            at += characterLength(text, at);
        }
    }
    if (memberStart < text.size()) {
        members.emplace_back(text.substr(memberStart));
    }
    return members;
}

int referenceCompare(std::string_view a, std::string_view b)
{
    for (std::size_t at = 0; at < a.size() && at < b.size(); ++at) {
        const auto left = static_cast<unsigned char>(a[at]);
        const auto right = static_cast<unsigned char>(b[at]);
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void ReferenceStream::write(std::string_view bytes)
{
    for (const char byte : bytes) {
        if (position_ == bytes_.size()) {
            bytes_ += byte;
        } else {
            bytes_[position_] = byte;
        }
        ++position_;
    }
}

void ReferenceStream::writeData(std::string_view text)
{
    write(text);
    write(std::string_view("", 1));
}

void ReferenceStream::writeText(std::string_view text)
{
    write(text);
}

std::string ReferenceStream::readBytes(std::size_t count)
{
    std::string taken;
    while (taken.size() < count && position_ < bytes_.size()) {
        taken += bytes_[position_++];
    }
    return taken;
}

// Up to the first zero byte at a character start; a lead byte before a zero
// byte is dropped. (0x1A is an ordinary character here.)
std::string ReferenceStream::readAllText()
{
    std::string text;
    std::size_t at = position_;
    while (at < bytes_.size() && bytes_[at] != '\0') {
        if (isLead(bytes_[at]) && at + 1 < bytes_.size()) {
            if (bytes_[at + 1] == '\0') {
                break;
            }
            text += bytes_.substr(at, 2);
            at += 2;
        } else {
            text += bytes_[at];
            at += 1;
        }
    }
    position_ = std::max(position_, bytes_.size());
    return text;
}

}  // namespace harvela::fuzz
