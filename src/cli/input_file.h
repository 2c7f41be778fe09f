// SPDX-License-Identifier: Apache-2.0
#pragma once

// One input of a run: a named file, or standard input for "-".

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace harvela::cli {

class InputFile {
public:
    // Opens the file; "-" is standard input. Check error() before reading.
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // The name used in messages: the path, or "(standard input)".
    const std::string& name() const { return name_; }
    // Why the file cannot be read, or empty.
    const std::string& error() const { return error_; }
    // The size of a regular file, for the progress line.
    std::optional<std::uint64_t> regularFileSize() const { return size_; }

    // Appends up to maxBytes to buffer; 0 at the end. On a read error it
    // sets error() and returns 0.
    std::size_t readInto(std::string& buffer, std::size_t maxBytes);

private:
    std::string name_;
    std::string error_;
    int descriptor_ = -1;
    bool ownsDescriptor_ = false;
    std::optional<std::uint64_t> size_;
};

// The device and inode of a path ("-": standard input), if it exists.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
std::optional<FileIdentity> identityOf(const std::string& path);

}  // namespace harvela::cli
