// SPDX-License-Identifier: Apache-2.0
#include "amount/digits_to_capitals.h"

#include <array>
#include <utility>

namespace harvela {

namespace {

// "0" comes last; since no replacement holds a digit, each digit is replaced once.
constexpr std::array<std::pair<const char*, const char*>, 10> kCapitals{{
    {"1", "\xd2\xbc;"},  // 壹
    {"2", "\xb7\xa1;"},  // 贰
    {"3", "\xc8\xfe;"},  // 叁
    {"4", "\xcb\xc1;"},  // 肆
    {"5", "\xce\xe9;"},  // 伍
    {"6", "\xc2\xbd;"},  // 陆
    {"7", "\xc6\xe2;"},  // 柒
    {"8", "\xb0\xc6;"},  // 捌
    {"9", "\xbe\xc1;"},  // 玖
    {"0", "\xc1\xe3;"},  // 零
}};

}  // namespace

Text digitsToCapitals(const Text& digits)
{
    Text mapped = digits;
    for (const auto& [digit, capital] : kCapitals) {
        mapped = replaceText(mapped, digit, capital);
    }
    return mapped;
}

}  // namespace harvela
