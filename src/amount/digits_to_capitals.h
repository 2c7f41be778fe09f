// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "text/text.h"

namespace harvela {

// Replaces every ASCII digit by its financial capital followed by ";"
// ("1" -> "壹;", ..., "0" -> "零;"); every other byte stays as it is.
Text digitsToCapitals(const Text& digits);

}  // namespace harvela
