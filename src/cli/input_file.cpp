// SPDX-License-Identifier: Apache-2.0
#include "cli/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace harvela::cli {

InputFile::InputFile(const std::string& path)
{
    if (path == "-") {
        name_ = "(standard input)";
        descriptor_ = STDIN_FILENO;
    } else {
        name_ = path;
        descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor_ < 0) {
            error_ = std::strerror(errno);
            return;
        }
        ownsDescriptor_ = true;
    }
    struct stat status {};
    if (::fstat(descriptor_, &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            error_ = std::strerror(EISDIR);
        } else if (S_ISREG(status.st_mode)) {
            size_ = static_cast<std::uint64_t>(status.st_size);
        }
    }
}

InputFile::~InputFile()
{
    if (ownsDescriptor_) {
        ::close(descriptor_);
    }
}

std::size_t InputFile::readInto(std::string& buffer, std::size_t maxBytes)
{
    if (!error_.empty()) {
        return 0;
    }
    const std::size_t start = buffer.size();
    buffer.resize(start + maxBytes);
    ssize_t got = 0;
    do {
        got = ::read(descriptor_, buffer.data() + start, maxBytes);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        error_ = std::strerror(errno);
        got = 0;
    }
    buffer.resize(start + static_cast<std::size_t>(got));
    return static_cast<std::size_t>(got);
}

std::optional<FileIdentity> identityOf(const std::string& path)
{
    struct stat status {};
    const int result = path == "-" ? ::fstat(STDIN_FILENO, &status) : ::stat(path.c_str(), &status);
    if (result != 0) {
        return std::nullopt;
    }
    return FileIdentity{status.st_dev, status.st_ino};
}

}  // namespace harvela::cli
