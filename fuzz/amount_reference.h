// SPDX-License-Identifier: Apache-2.0
#pragma once

// A slow, separately written model of the amount page, for checking the real
// one: the integer words come from a token list that is reduced by the zero
// rules, not from the program's place-by-place composer.

#include <optional>
#include <string>
#include <string_view>

namespace harvela::fuzz {

// The words (GBK bytes, ending in 元整) of 1 to 12 ASCII digits; leading
// zeros are written out. Anything else has none.
std::optional<std::string> referenceIntegerWords(std::string_view digits);

// What the words box shows after the amount box changes to `typed`, when it
// showed `shownBefore` until then.
std::string referenceWordsBox(std::string_view typed, std::string_view shownBefore);

// 太多了，还没见到过这么多钱。 in GBK.
std::string_view tooMuchMoneyMessage();

}  // namespace harvela::fuzz
