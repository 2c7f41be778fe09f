// SPDX-License-Identifier: Apache-2.0
#pragma once

// One amount in words, exactly as the amount page shows it once the amount has
// been typed into a fresh page, or why there are no words for it.

#include <string>
#include <string_view>

#include "text/text.h"

namespace harvela::cli {

struct AmountOutcome {
    Text words;           // GBK; empty when there is a problem
    std::string problem;  // UTF-8, empty when the words are there
};

AmountOutcome amountInWords(std::string_view amount);

}  // namespace harvela::cli
