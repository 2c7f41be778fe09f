// SPDX-License-Identifier: Apache-2.0
#pragma once

// The progress line on standard error for a large file: percent, MB done and
// MB/s, rewritten in place a few times a second and cleared at the end.

#include <chrono>
#include <cstdint>
#include <optional>

namespace harvela::cli {

class Progress {
public:
    // Files of this size or more show progress.
    static constexpr std::uint64_t kMinimumSize = 64u << 20;

    // Shown only when wanted, standard error is a terminal and the input is a
    // regular file of kMinimumSize or more.
    Progress(bool wanted, std::optional<std::uint64_t> inputSize);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void update(std::uint64_t bytesDone);

private:
    using Clock = std::chrono::steady_clock;

    std::uint64_t total_ = 0;
    bool shown_ = false;
    bool drawn_ = false;
    Clock::time_point start_;
    Clock::time_point lastDrawn_;
};

}  // namespace harvela::cli
