// SPDX-License-Identifier: Apache-2.0
#pragma once
// Temporary: the strict file form of the codec's utf8ToGbk, until the codec has it.
#include <cstddef>
#include <optional>
#include <string_view>
#include "text/text.h"
namespace harvela {
struct StrictGbk {
    Text text;
    std::optional<std::size_t> invalidOffset;
};
StrictGbk utf8ToGbkStrict(std::string_view utf8);
}  // namespace harvela
