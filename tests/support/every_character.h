// SPDX-License-Identifier: Apache-2.0
#pragma once

// One text with every character a user can paste: every Unicode scalar value
// from U+0001 to U+10FFFF (no surrogates, and no U+0000, which no text holds),
// in order, as UTF-8.

#include <string>
#include <string_view>

namespace harvela {

std::string everyCharacterUtf8();
// The same text in UTF-16.
std::u16string everyCharacterUtf16();

// The first scalar value at which two UTF-8 texts differ, for failure messages
// that do not print megabytes: "U+1234 at byte 5678", or "" when equal.
std::string firstDifference(std::string_view expected, std::string_view actual);

}  // namespace harvela
