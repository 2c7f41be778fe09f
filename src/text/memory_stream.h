// SPDX-License-Identifier: Apache-2.0
#pragma once

// A growable in-memory byte stream with a position. Constructing one opens it
// (empty, at position 0); its end of life closes it.

#include <string>

#include "text/text.h"

namespace harvela {

class MemoryStream {
public:
    void rewind() { position_ = 0; }
    bool atEnd() const { return position_ >= bytes_.size(); }
    // The text's bytes followed by its zero terminator.
    void writeData(const Text& text);
    // The text's bytes without a terminator.
    void writeText(const Text& text);
    // The next min(count, remaining) bytes; count must be 1 or more.
    ByteSet readBytes(Count count);
    // From the position to the end, up to the first zero byte met at a
    // character start; a lead byte followed by zero is dropped.
    Text readAllText();

private:
    void write(std::string_view bytes);

    std::string bytes_;
    std::size_t position_ = 0;
};

}  // namespace harvela
