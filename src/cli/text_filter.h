// SPDX-License-Identifier: Apache-2.0
#pragma once

// The four text filters: simplified <-> traditional and to and from Martian
// text, over input in any encoding, in pieces.

#include <string>
#include <string_view>

#include "cli/chunked_pipeline.h"

namespace harvela::cli {

class TextCodec;

enum class TextConversion { toTraditional, toSimplified, toMartian, fromMartian };

// Converts GBK text of whole characters in place; zero bytes stay.
void convertGbkText(std::string& gbk, TextConversion conversion);

// The steps that decode with codec, convert, and encode with codec again.
// The codec must outlive them.
ChunkSteps textFilterSteps(TextCodec& codec, TextConversion conversion);

}  // namespace harvela::cli
