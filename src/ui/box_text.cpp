// SPDX-License-Identifier: Apache-2.0
#include "ui/box_text.h"

#include "text/gbk_codec.h"

namespace harvela {

QString shownFromText(const Text& text, BoxLines lines)
{
    // UTF-16 is what QString holds: no step through UTF-8.
    const std::u16string utf16 = gbkToUtf16(text.bytes());
    QString shown(reinterpret_cast<const QChar*>(utf16.data()), static_cast<qsizetype>(utf16.size()));
    if (lines == BoxLines::multiple) {
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return shown;
}

Text textFromShown(const QString& shown, BoxLines lines)
{
    QString unicode = shown;
    if (lines == BoxLines::multiple) {
        // A text document separates its lines with U+2029 and keeps U+2028
        // (Shift+Enter) inside a line; both are line breaks to the program.
        unicode.replace(QChar::ParagraphSeparator, QChar::LineFeed);
        unicode.replace(QChar::LineSeparator, QChar::LineFeed);
        unicode.replace(QChar::LineFeed, QStringLiteral("\r\n"));
    }
    return utf16ToGbk(
        std::u16string_view(reinterpret_cast<const char16_t*>(unicode.utf16()), static_cast<std::size_t>(unicode.size())));
}

}  // namespace harvela
