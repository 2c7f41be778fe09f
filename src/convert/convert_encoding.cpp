// SPDX-License-Identifier: Apache-2.0
#include "convert/convert_encoding.h"

#include <cerrno>
#include <new>
#include <string>
#include <utility>

namespace harvela {

namespace {

// At most this many iconv calls, so at most eleven enlargements of the output.
constexpr int kMaxConvertCalls = 12;

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kConvertFailed = static_cast<std::size_t>(-1);

// Closes the converter on every way out.
class OpenConverter {
public:
    OpenConverter(const IconvFacility& iconv, iconv_t converter) : iconv_(iconv), converter_(converter) {}
    ~OpenConverter() { iconv_.close(converter_); }
    OpenConverter(const OpenConverter&) = delete;
    OpenConverter& operator=(const OpenConverter&) = delete;

    iconv_t get() const { return converter_; }

private:
    const IconvFacility& iconv_;
    iconv_t converter_;
};

ByteSet convertAll(const IconvFacility& iconv, iconv_t converter, const ByteSet& data)
{
    // The buffer starts at the input's length and grows by a fixed step, so that
    // converting to a shorter encoding needs a single call.
    const auto inputLength = static_cast<std::size_t>(data.size());
    const std::size_t growthStep = inputLength / 2 + 128;
    std::string output(inputLength, '\0');
    // iconv never writes through its input pointer; it only takes it non-const.
    char* inputAt = const_cast<char*>(data.data());
    std::size_t inputLeft = inputLength;
    std::size_t produced = 0;

    for (int call = 1; call <= kMaxConvertCalls; ++call) {
        char* outputAt = output.data() + produced;
        std::size_t outputLeft = output.size() - produced;
        const std::size_t result = iconv.convert(converter, &inputAt, &inputLeft, &outputAt, &outputLeft);
        produced = output.size() - outputLeft;
        if (result != kConvertFailed) {
            output.resize(produced);
            return ByteSet(std::move(output));
        }
        if (errno != E2BIG) {
            return {};  // invalid or cut-off input, or a character the target lacks
        }
        output.resize(output.size() + growthStep);
    }
    return {};  // still too large
}

}  // namespace

IconvFacility IconvFacility::system()
{
    return {
        [](const char* toEncoding, const char* fromEncoding) { return ::iconv_open(toEncoding, fromEncoding); },
        [](iconv_t converter, char** input, std::size_t* inputLeft, char** output, std::size_t* outputLeft) {
            return ::iconv(converter, input, inputLeft, output, outputLeft);
        },
        [](iconv_t converter) { return ::iconv_close(converter); },
    };
}

ByteSet convertEncoding(const IconvFacility& iconv, const ByteSet& data, const Text& fromEncoding,
                        const Text& toEncoding)
{
    const iconv_t converter = iconv.open(toEncoding.c_str(), fromEncoding.c_str());
    if (converter == kNoConverter) {
        return {};
    }
    const OpenConverter open(iconv, converter);
    if (data.empty()) {
        return {};
    }
    try {
        return convertAll(iconv, open.get(), data);
    } catch (const std::bad_alloc&) {
        return {};  // no memory for the output: the conversion fails as a whole
    }
}

ByteSet convertEncoding(const ByteSet& data, const Text& fromEncoding, const Text& toEncoding)
{
    static const IconvFacility systemIconv = IconvFacility::system();
    return convertEncoding(systemIconv, data, fromEncoding, toEncoding);
}

}  // namespace harvela
