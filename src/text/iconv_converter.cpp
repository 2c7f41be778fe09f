// SPDX-License-Identifier: Apache-2.0
#include "text/iconv_converter.h"

#include <cerrno>

namespace harvela {

std::pair<std::size_t, int> IconvConverter::convert(std::string_view input, std::string& out)
{
    char* in = const_cast<char*>(input.data());  // iconv never writes its input
    std::size_t inLeft = input.size();
    char buffer[16384];
    for (;;) {
        char* produced = buffer;
        std::size_t room = sizeof buffer;
        const std::size_t result = iconv(descriptor_, &in, &inLeft, &produced, &room);
        out.append(buffer, static_cast<std::size_t>(produced - buffer));
        if (result != static_cast<std::size_t>(-1)) {
            return {input.size() - inLeft, 0};
        }
        if (errno != E2BIG) {
            return {input.size() - inLeft, errno};
        }
    }
}

}  // namespace harvela
