// SPDX-License-Identifier: Apache-2.0
#include "cli/progress.h"

#include <unistd.h>

#include <cstdio>

namespace harvela::cli {

namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(200);
constexpr double kMegabyte = 1024.0 * 1024.0;

}  // namespace

Progress::Progress(bool wanted, std::optional<std::uint64_t> inputSize)
    : total_(inputSize.value_or(0)),
      shown_(wanted && inputSize && *inputSize >= kMinimumSize && ::isatty(STDERR_FILENO) == 1),
      start_(Clock::now()),
      lastDrawn_(start_ - kRedrawInterval)  // the first update draws
{
}

Progress::~Progress()
{
    if (drawn_) {
        std::fputs("\r\033[K", stderr);  // clear the line
        std::fflush(stderr);
    }
}

void Progress::update(std::uint64_t bytesDone)
{
    const auto now = Clock::now();
    if (!shown_ || now - lastDrawn_ < kRedrawInterval) {
        return;
    }
    lastDrawn_ = now;
    drawn_ = true;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double megabytes = static_cast<double>(bytesDone) / kMegabyte;
    std::fprintf(stderr, "\r\033[K%3d%%  %.0f MB  %.0f MB/s", static_cast<int>(bytesDone * 100 / total_), megabytes,
                 seconds > 0 ? megabytes / seconds : 0.0);
    std::fflush(stderr);
}

}  // namespace harvela::cli
