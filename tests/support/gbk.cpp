#include "gbk.h"

#include "text/gbk_codec.h"

#include <iconv.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace harvela {

Text gbk(std::string_view utf8)
{
    iconv_t converter = iconv_open("GBK", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("no UTF-8 to GBK converter");
    }
    std::string input(utf8);
    std::string output(input.size() * 2 + 4, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("test text has no GBK form: " + input);
    }
    output.resize(output.size() - outLeft);
    return Text(output);
}

Text bytes(std::initializer_list<unsigned char> values)
{
    return Text(std::string(values.begin(), values.end()));
}

void PrintTo(const Text& text, std::ostream* out)
{
    *out << '"' << gbkToUtf8(text.bytes()) << "\" [";
    for (const char byte : text.bytes()) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(byte));
        *out << hex << (&byte == &text.bytes().back() ? "" : " ");
    }
    *out << ']';
}

}  // namespace harvela
