// SPDX-License-Identifier: Apache-2.0
#pragma once

// Where a run's output goes: standard output, or a file named with -o that is
// written as a temporary file in the same folder and renamed over the file
// only when the whole run has succeeded. A failed run leaves the named file
// as it was. A device or a pipe named with -o is written to as it comes.

#include <string>
#include <string_view>

namespace harvela::cli {

class OutputFile {
public:
    enum class Delivery {
        AsItComes,   // standard output gets each piece as soon as it is written
        AllOrNothing  // standard output gets everything at commit(), or nothing
    };

    // Standard output.
    explicit OutputFile(Delivery delivery);
    // The file at path, through a temporary file beside it.
    explicit OutputFile(const std::string& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Why the output failed (opening, writing, renaming), or empty.
    const std::string& error() const { return error_; }

    // False once anything has failed; later writes do nothing.
    bool write(std::string_view bytes);
    // Delivers the output: flushes, and renames the temporary file or copies
    // the held output to standard output. False on failure.
    bool commit();
    // Ends a run: commits after success; after a failure only output that
    // goes out as it comes is flushed, and -o keeps what it held.
    bool finish(bool runSucceeded);

private:
    bool flush();
    bool writeAll(int descriptor, std::string_view bytes);
    bool fail(const std::string& what);
    bool copyHeldToStandardOutput();

    std::string name_;      // for messages
    std::string path_;      // the file named with -o, or empty
    std::string tempPath_;  // its temporary file while the run lasts
    int descriptor_ = -1;   // where flushed bytes go
    bool ownsDescriptor_ = false;  // a device or a pipe opened for -o
    bool holding_ = false;  // standard output held back until commit()
    bool committed_ = false;
    std::string pending_;
    std::string error_;
};

}  // namespace harvela::cli
