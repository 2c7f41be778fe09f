// SPDX-License-Identifier: Apache-2.0
#include "cli/strict_utf8_stand_in.h"
#include <iconv.h>
#include <cerrno>
#include <cstring>
#include <string>
namespace harvela {
StrictGbk utf8ToGbkStrict(std::string_view utf8)
{
    const auto zero = utf8.find('\0');
    iconv_t cd = iconv_open("GB18030", "UTF-8");
    std::string out(utf8.size() + 8, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = zero == std::string_view::npos ? utf8.size() : zero;
    char* o = out.data();
    std::size_t oLeft = out.size();
    const std::size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1) || zero != std::string_view::npos) {
        return {Text(), static_cast<std::size_t>(in - utf8.data())};
    }
    out.resize(out.size() - oLeft);
    return {Text(std::move(out)), std::nullopt};
}
}  // namespace harvela
