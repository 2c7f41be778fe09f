// SPDX-License-Identifier: Apache-2.0
#include "ui/box_text.h"

#include <QByteArray>

#include "text/gbk_codec.h"

namespace harvela {

QString shownFromText(const Text& text, BoxLines lines)
{
    const std::string utf8 = gbkToUtf8(text.bytes());
    QString shown = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
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
    const QByteArray utf8 = unicode.toUtf8();
    return utf8ToGbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace harvela
