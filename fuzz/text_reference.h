// SPDX-License-Identifier: Apache-2.0
#pragma once

// Straightforward versions of the text operations, on plain byte strings,
// written separately from the program's so the two can be compared.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harvela::fuzz {

std::string referenceLeft(std::string_view text, long count);
std::string referenceRight(std::string_view text, long count);
std::string referenceMid(std::string_view text, long start, long count);
// 1-based position of the first occurrence at a character start, or -1.
long referenceFind(std::string_view text, std::string_view sought);
std::string referenceReplace(std::string_view text, std::string_view sought, std::string_view replacement);
std::vector<std::string> referenceSplit(std::string_view text, std::string_view delimiter);
int referenceCompare(std::string_view a, std::string_view b);

// A byte stream with a position, as plain as it can be.
class ReferenceStream {
public:
    void rewind() { position_ = 0; }
    bool atEnd() const { return position_ >= bytes_.size(); }
    void writeData(std::string_view text);
    void writeText(std::string_view text);
    std::string readBytes(std::size_t count);
    std::string readAllText();

private:
    void write(std::string_view bytes);

    std::string bytes_;
    std::size_t position_ = 0;
};

}  // namespace harvela::fuzz
