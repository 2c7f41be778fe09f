// SPDX-License-Identifier: Apache-2.0
#pragma once

// Test texts are written in UTF-8 source; gbk() turns them into the GBK
// texts the program works on, bytes() spells out raw byte values.

#include <initializer_list>
#include <string_view>

#include "text/text.h"

namespace harvela {

Text gbk(std::string_view utf8);
Text bytes(std::initializer_list<unsigned char> values);

}  // namespace harvela

#include <ostream>

namespace harvela {

// How GoogleTest shows a text in a failure: its characters and its bytes.
void PrintTo(const Text& text, std::ostream* out);

}  // namespace harvela
