// SPDX-License-Identifier: Apache-2.0
#pragma once

// Re-encodes bytes from one named encoding to another through iconv. The
// conversion succeeds or fails as a whole: any failure gives the empty byte set.

#include <iconv.h>

#include <cstddef>
#include <functional>

#include "text/text.h"

namespace harvela {

inline constexpr const char* kUtf8 = "UTF-8";
inline constexpr const char* kGb2312 = "GB2312";

ByteSet convertEncoding(const ByteSet& data, const Text& fromEncoding, const Text& toEncoding);

// The three calls made on the iconv facility; tests substitute them to watch
// how they are called.
struct IconvFacility {
    std::function<iconv_t(const char* toEncoding, const char* fromEncoding)> open;
    std::function<std::size_t(iconv_t, char** input, std::size_t* inputLeft, char** output, std::size_t* outputLeft)>
        convert;
    std::function<int(iconv_t)> close;

    static IconvFacility system();
};

ByteSet convertEncoding(const IconvFacility& iconv, const ByteSet& data, const Text& fromEncoding,
                        const Text& toEncoding);

}  // namespace harvela
