// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>

#include "text/text.h"

namespace harvela {

// True when every byte is an ASCII digit (and for the empty text).
bool isDigitText(const Text& text);

// The financial capitals of an integer of 1 to 12 ASCII digits, ending in
// "元整"; leading zeros are written out. Anything else has no words.
std::optional<Text> integerWords(const Text& digits);

}  // namespace harvela
