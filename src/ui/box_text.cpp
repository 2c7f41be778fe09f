// SPDX-License-Identifier: Apache-2.0
#include "ui/box_text.h"

#include "text/gbk_codec.h"

namespace harvela {

namespace {

// A text document separates its lines with U+2029 and keeps U+2028
// (Shift+Enter) inside a line; both are line breaks to the program, like LF.
LineBreaks lineBreaksOf(BoxLines lines)
{
    return lines == BoxLines::multiple ? LineBreaks::crLfInGbk : LineBreaks::unchanged;
}

}  // namespace

QString shownFromText(const Text& text, BoxLines lines)
{
    // UTF-16 is what QString holds: decoded straight into its buffer, which
    // needs no filling first, and then cut to the units written.
    const std::string_view gbk = text.bytes();
    QString shown(static_cast<qsizetype>(gbk.size()), Qt::Uninitialized);
    const std::size_t units =
        gbkToUtf16(gbk, std::span(reinterpret_cast<char16_t*>(shown.data()), gbk.size()), lineBreaksOf(lines));
    shown.truncate(static_cast<qsizetype>(units));
    return shown;
}

Text textFromShown(const QString& shown, BoxLines lines)
{
    return utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(shown.utf16()),
                                          static_cast<std::size_t>(shown.size())),
                      lineBreaksOf(lines));
}

}  // namespace harvela
