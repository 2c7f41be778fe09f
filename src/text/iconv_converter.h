// SPDX-License-Identifier: Apache-2.0
#pragma once

// One iconv conversion descriptor, closed with the object on every way out.

#include <iconv.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace harvela {

class IconvConverter {
public:
    // Target name first, as iconv_open takes them.
    IconvConverter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
    ~IconvConverter()
    {
        if (isOpen()) {
            iconv_close(descriptor_);
        }
    }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // False when iconv does not know one of the names.
    bool isOpen() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }
    // Back to the initial shift state, for a new input.
    void reset() { iconv(descriptor_, nullptr, nullptr, nullptr, nullptr); }
    // The descriptor itself, for a caller that places the output on its own.
    iconv_t get() const { return descriptor_; }

    // Converts as much of input as it can, appending to out. Returns the
    // bytes used and the errno that stopped it (0 when all were used).
    std::pair<std::size_t, int> convert(std::string_view input, std::string& out);

private:
    iconv_t descriptor_;
};

}  // namespace harvela
