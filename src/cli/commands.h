// SPDX-License-Identifier: Apache-2.0
#pragma once

// The commands of harvela-convert, once the command line has been read.
// Each returns the exit status: 0 success, 1 a failed conversion, 2 a usage
// error. Problems are reported on standard error.

#include <cstddef>
#include <string>
#include <vector>

#include "cli/chunked_pipeline.h"
#include "cli/reencode.h"
#include "cli/text_filter.h"

namespace harvela::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct RunOptions {
    std::vector<std::string> inputs;  // files, "-" for standard input; none: standard input
    std::string outputPath;           // empty: standard output
    std::string encoding = "UTF-8";   // for the text filters
    bool quiet = false;
    std::size_t chunkSize = kDefaultChunkSize;
};

int runTextFilter(TextConversion conversion, const RunOptions& options);
int runReencoding(Reencoding reencoding, const RunOptions& options);
// Converts each of amounts, or each line of standard input when there are none.
int runAmount(const std::vector<std::string>& amounts, const RunOptions& options);

}  // namespace harvela::cli
