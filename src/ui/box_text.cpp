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
    // UTF-16 is what QString holds: no step through UTF-8.
    const std::u16string utf16 = gbkToUtf16(text.bytes(), lineBreaksOf(lines));
    return QString(reinterpret_cast<const QChar*>(utf16.data()), static_cast<qsizetype>(utf16.size()));
}

Text textFromShown(const QString& shown, BoxLines lines)
{
    return utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(shown.utf16()),
                                          static_cast<std::size_t>(shown.size())),
                      lineBreaksOf(lines));
}

}  // namespace harvela
