// SPDX-License-Identifier: Apache-2.0
#pragma once

// How a fuzz target reports a broken property: it names the property on
// stderr and aborts, so libFuzzer keeps the input that broke it and a corpus
// replay fails on it.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace harvela::fuzz {

[[noreturn]] inline void failProperty(std::string_view property)
{
    std::fprintf(stderr, "fuzz property broken: %.*s\n", static_cast<int>(property.size()), property.data());
    std::abort();
}

inline void check(bool holds, std::string_view property)
{
    if (!holds) {
        failProperty(property);
    }
}

}  // namespace harvela::fuzz
