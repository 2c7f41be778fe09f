// SPDX-License-Identifier: Apache-2.0
#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace harvela::cli {

namespace {

// Bytes gathered before one write() call.
constexpr std::size_t kFlushSize = 1u << 18;
// A piece this large goes out in a write() call of its own when nothing is
// gathered: copying it first would cost more than the call.
constexpr std::size_t kDirectWriteSize = 1u << 16;

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The permissions a new file would get, or those of the file being replaced.
mode_t modeFor(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        return status.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// An unnamed file for output that is held back; it disappears with the process.
int openHoldingFile()
{
    const char* folder = std::getenv("TMPDIR");
    std::string pattern = std::string(folder && *folder ? folder : "/tmp") + "/harvela-convert.XXXXXX";
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor >= 0) {
        ::unlink(pattern.c_str());
    }
    return descriptor;
}

}  // namespace

OutputFile::OutputFile(Delivery delivery)
    : name_("(standard output)"), descriptor_(STDOUT_FILENO), holding_(delivery == Delivery::AllOrNothing)
{
}

OutputFile::OutputFile(const std::string& path) : name_(path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode)) {
        // A device or a pipe (-o /dev/null) is written to directly: renaming
        // a file over it would replace it.
        descriptor_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (descriptor_ < 0) {
            fail(std::strerror(errno));
        }
        ownsDescriptor_ = true;
        return;
    }
    // Through a symbolic link (-o /dev/stdout too) the file it leads to is
    // replaced, not the link.
    std::error_code unresolved;
    path_ = std::filesystem::canonical(path, unresolved).string();
    if (unresolved) {
        path_ = path;  // a file yet to be made
    }
    tempPath_ = folderOf(path_) + "/." + baseNameOf(path_) + ".harvela-XXXXXX";
    descriptor_ = ::mkstemp(tempPath_.data());
    if (descriptor_ < 0) {
        tempPath_.clear();
        fail(std::string("cannot create a temporary file beside it: ") + std::strerror(errno));
        return;
    }
    ::fchmod(descriptor_, modeFor(path_));
}

OutputFile::~OutputFile()
{
    if ((!path_.empty() || ownsDescriptor_) && descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!tempPath_.empty() && !committed_) {
        ::unlink(tempPath_.c_str());
    }
    if (holding_ && descriptor_ >= 0 && descriptor_ != STDOUT_FILENO) {
        ::close(descriptor_);
    }
}

bool OutputFile::fail(const std::string& what)
{
    if (error_.empty()) {
        error_ = name_ + ": " + what;
    }
    return false;
}

bool OutputFile::writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(std::strerror(errno));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool OutputFile::write(std::string_view bytes)
{
    if (!error_.empty()) {
        return false;
    }
    if (pending_.empty() && bytes.size() >= kDirectWriteSize && !holding_) {
        return writeAll(descriptor_, bytes);  // a large piece goes out without a copy
    }
    pending_.append(bytes);
    return pending_.size() < kFlushSize || flush();
}

bool OutputFile::flush()
{
    if (!error_.empty()) {
        return false;
    }
    if (holding_ && descriptor_ == STDOUT_FILENO) {
        descriptor_ = openHoldingFile();
        if (descriptor_ < 0) {
            return fail(std::string("cannot hold the output back: ") + std::strerror(errno));
        }
    }
    const bool written = writeAll(descriptor_, pending_);
    pending_.clear();
    return written;
}

bool OutputFile::copyHeldToStandardOutput()
{
    if (descriptor_ == STDOUT_FILENO) {  // everything is still in memory
        return writeAll(STDOUT_FILENO, pending_);
    }
    if (!flush() || ::lseek(descriptor_, 0, SEEK_SET) < 0) {
        return fail(std::strerror(errno));
    }
    std::string buffer(kFlushSize, '\0');
    for (;;) {
        const ssize_t got = ::read(descriptor_, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return fail(std::strerror(errno));
        }
        if (got == 0) {
            return true;
        }
        if (!writeAll(STDOUT_FILENO, std::string_view(buffer.data(), static_cast<std::size_t>(got)))) {
            return false;
        }
    }
}

bool OutputFile::commit()
{
    if (!error_.empty()) {
        return false;
    }
    if (holding_) {
        return copyHeldToStandardOutput();
    }
    if (!flush()) {
        return false;
    }
    if (path_.empty()) {
        return true;
    }
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) {
        return fail(std::strerror(errno));
    }
    if (::rename(tempPath_.c_str(), path_.c_str()) != 0) {
        return fail(std::strerror(errno));
    }
    committed_ = true;
    return true;
}

bool OutputFile::finish(bool runSucceeded)
{
    if (runSucceeded) {
        return commit();
    }
    return path_.empty() && !holding_ ? flush() : true;
}

}  // namespace harvela::cli
