// SPDX-License-Identifier: Apache-2.0
#include "text/text_array.h"

namespace harvela {

// Members are the pieces between delimiters. A delimiter is only recognised
// at a character start; a delimiter at the very end adds no empty member, and
// a lone lead byte at the end stops the scan (it still joins the last member).
TextArray splitText(const Text& text, const Text& delimiter)
{
    TextArray members;
    const std::string_view bytes = text.bytes();
    const std::string_view sought = delimiter.bytes();
    std::size_t memberStart = 0;
    std::size_t at = 0;
    while (!bytes.empty() && bytes.size() - at >= sought.size() && at < bytes.size()) {
        if (!sought.empty() && bytes.compare(at, sought.size(), sought) == 0) {
            members.appendMember(Text(bytes.substr(memberStart, at - memberStart)));
            at += sought.size();
            memberStart = at;
        } else if (isLeadByte(text.byteAt(static_cast<Count>(at)))) {
            if (at + 1 == bytes.size()) {
                break;
            }
            at += 2;
        } else {
            at += 1;
        }
    }
    if (memberStart < bytes.size()) {
        members.appendMember(Text(bytes.substr(memberStart)));
    }
    return members;
}

}  // namespace harvela
