// SPDX-License-Identifier: Apache-2.0
#pragma once

// The words of the amount page, as GBK byte strings (the source files are
// UTF-8, so every Chinese word is spelled out as its GBK bytes).

namespace harvela::amountWords {

inline constexpr const char* kZero = "\xc1\xe3";             // 零
inline constexpr const char* kTen = "\xca\xb0";              // 拾
inline constexpr const char* kHundred = "\xb0\xdb";          // 佰
inline constexpr const char* kThousand = "\xc7\xaa";         // 仟
inline constexpr const char* kTenThousand = "\xcd\xf2";      // 万
inline constexpr const char* kHundredMillion = "\xd2\xda";   // 亿
inline constexpr const char* kYuanExactly = "\xd4\xaa\xd5\xfb";  // 元整
inline constexpr const char* kJiao = "\xbd\xc7";             // 角
inline constexpr const char* kFen = "\xb7\xd6";              // 分
inline constexpr const char* kExactly = "\xd5\xfb";          // 整
inline constexpr const char* kNegative = "\xb8\xba";         // 负
inline constexpr const char* kDigitSeparator = ";";
// 太多了，还没见到过这么多钱。
inline constexpr const char* kTooMuchMoney =
    "\xcc\xab\xb6\xe0\xc1\xcb\xa3\xac\xbb\xb9\xc3\xbb\xbc\xfb\xb5\xbd"
    "\xb9\xfd\xd5\xe2\xc3\xb4\xb6\xe0\xc7\xae\xa1\xa3";

}  // namespace harvela::amountWords
