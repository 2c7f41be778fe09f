// SPDX-License-Identifier: Apache-2.0
#pragma once

// The re-encoding of the fourth page, on the bytes of files: UTF-8 -> GB2312
// or GB2312 -> UTF-8 through convertEncoding, in pieces cut at character
// boundaries.

#include "cli/chunked_pipeline.h"

namespace harvela::cli {

enum class Reencoding { utf8ToGb2312, gb2312ToUtf8 };

ChunkSteps reencodingSteps(Reencoding reencoding);

}  // namespace harvela::cli
