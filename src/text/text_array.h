// SPDX-License-Identifier: Apache-2.0
#pragma once

// A growable array of texts whose members are numbered from 1.

#include <cassert>
#include <vector>

#include "text/text.h"

namespace harvela {

class TextArray {
public:
    Count memberCount() const { return static_cast<Count>(members_.size()); }
    // Requires 1 <= index <= memberCount().
    const Text& member(Count index) const
    {
        assert(index >= 1 && index <= memberCount());
        return members_[static_cast<std::size_t>(index - 1)];
    }
    void appendMember(const Text& text) { members_.push_back(text); }

    friend bool operator==(const TextArray&, const TextArray&) = default;

private:
    std::vector<Text> members_;
};

inline Count memberCount(const TextArray& array) { return array.memberCount(); }
inline void appendMember(TextArray& array, const Text& text) { array.appendMember(text); }

// The pieces between delimiters; see splitText in text_array.cpp for the edge rules.
TextArray splitText(const Text& text, const Text& delimiter);

}  // namespace harvela
