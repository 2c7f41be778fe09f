// SPDX-License-Identifier: Apache-2.0
#include "gbk.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "text/gbk_codec.h"

namespace harvela {

Text gbk(std::string_view utf8)
{
    const Text text = utf8ToGbk(utf8);
    // A character GBK lacks gets a four-byte code whose second byte is a digit;
    // a GBK code never has one there.
    for (Count at = 0; at < textLength(text); at += isLeadByte(text.byteAt(at)) ? 2 : 1) {
        const unsigned char second = text.byteAt(at + 1);
        if (isLeadByte(text.byteAt(at)) && second >= '0' && second <= '9') {
            throw std::runtime_error("test text has no GBK form: " + std::string(utf8));
        }
    }
    return text;
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
