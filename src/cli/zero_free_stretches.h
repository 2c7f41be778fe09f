// SPDX-License-Identifier: Apache-2.0
#pragma once

// Input may hold zero bytes, which no Text can hold: text is converted in the
// stretches between them, and each zero byte is put back where it was.

#include <string_view>

namespace harvela::cli {

// Runs f(stretch, afterZero) on each stretch of bytes between zero bytes, in
// order; afterZero tells that a zero byte came just before the stretch. Stops
// when f returns false.
template <typename F>
void forEachZeroFreeStretch(std::string_view bytes, F f)
{
    bool afterZero = false;
    for (;;) {
        const std::size_t zero = bytes.find('\0');
        if (!f(bytes.substr(0, zero), afterZero) || zero == std::string_view::npos) {
            return;
        }
        bytes.remove_prefix(zero + 1);
        afterZero = true;
    }
}

}  // namespace harvela::cli
