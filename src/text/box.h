// SPDX-License-Identifier: Apache-2.0
#pragma once

// An edit box of the window as the program sees it: it holds one GBK text.
// The window implements it over real widgets; tests use an in-memory box.

#include <utility>

#include "text/text.h"

namespace harvela {

class Box {
public:
    virtual ~Box() = default;

    // The box's current text; an empty box gives the empty text.
    virtual Text read() const = 0;
    // Replaces the whole text and raises the box's text-changed event once,
    // whether or not the text changed. Taken by value, so that a box can keep
    // a large text handed over to it without copying it.
    virtual void write(Text text) = 0;

protected:
    Box() = default;
    Box(const Box&) = default;
    Box& operator=(const Box&) = default;
};

inline Text readBoxText(const Box& box) { return box.read(); }
inline void writeBoxText(Box& box, Text text) { box.write(std::move(text)); }

}  // namespace harvela
