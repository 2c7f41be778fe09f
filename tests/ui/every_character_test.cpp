// SPDX-License-Identifier: Apache-2.0
// Every character a user can paste, in one text, through the real boxes and
// the clipboard: shown, read, written and copied without a loss.
//
// What each widget does with line breaks is its own: a multi-line box shows
// LF, CR, U+2028 and U+2029 as line breaks and reads every line break as
// CR LF; its text document also keeps U+FDD0 and U+FDD1 for itself, as frame
// marks, and turns them into line breaks. A single-line box holds at most
// maxLength() UTF-16 units, so it takes the text in pieces of that size.

#include <QGuiApplication>
#include <QClipboard>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "every_character.h"
#include "text/gbk_codec.h"
#include "ui/multi_line_box.h"
#include "ui/qt_platform_services.h"
#include "ui/single_line_box.h"

namespace harvela {
namespace {

std::string utf8Of(const QString& shown)
{
    const QByteArray utf8 = shown.toUtf8();
    return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

QString unicodeOf(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The text with each character in breaks replaced by lineBreak.
QString replaced(const QString& text, std::u16string_view breaks, const QString& lineBreak)
{
    QString result;
    result.reserve(text.size() + 16);
    for (const QChar character : text) {
        if (breaks.find(character.unicode()) != std::u16string_view::npos) {
            result += lineBreak;
        } else {
            result += character;
        }
    }
    return result;
}

// What a multi-line box shows: its text document ends a paragraph (U+2029)
// at LF, CR and its own frame marks, and keeps U+2028 inside a paragraph.
QString shownInMultiLineBox(const QString& text)
{
    return replaced(text, u"\n\r\uFDD0\uFDD1", QChar(QChar::ParagraphSeparator));
}

// What reading a multi-line box gives: every line break as CR LF.
QString readFromMultiLineBox(const QString& text)
{
    return replaced(text, u"\n\r\uFDD0\uFDD1\u2028\u2029", QStringLiteral("\r\n"));
}

class EveryCharacter : public ::testing::Test {
protected:
    const std::string every = everyCharacterUtf8();
    const QString everyShown = unicodeOf(every);
    const Text everyText = utf8ToGbk(every);
};

TEST_F(EveryCharacter, MultiLineBoxShowsWhatIsWrittenAndReadsWhatIsPasted)
{
    MultiLineBox written;
    writeBoxText(written, everyText);
    EXPECT_EQ(firstDifference(utf8Of(shownInMultiLineBox(everyShown)),
                              utf8Of(written.document()->toRawText())),
              "");
    EXPECT_EQ(readBoxText(written), everyText);

    MultiLineBox pasted;
    pasted.insertPlainText(everyShown);
    const Text read = readBoxText(pasted);
    EXPECT_EQ(firstDifference(utf8Of(readFromMultiLineBox(everyShown)), gbkToUtf8(read.bytes())),
              "");
}

TEST_F(EveryCharacter, SingleLineBoxShowsWhatIsWrittenAndReadsWhatIsPasted)
{
    SingleLineBox written;
    SingleLineBox pasted;
    int pieces = 0;
    for (qsizetype start = 0; start < everyShown.size(); ++pieces) {
        qsizetype length = std::min<qsizetype>(written.maxLength(), everyShown.size() - start);
        if (everyShown.at(start + length - 1).isHighSurrogate()) {
            --length;  // never cut a character in two
        }
        const QString piece = everyShown.mid(start, length);
        start += length;

        writeBoxText(written, utf8ToGbk(utf8Of(piece)));
        ASSERT_EQ(written.text(), piece) << "piece " << pieces;
        pasted.setText(piece);
        ASSERT_EQ(gbkToUtf8(readBoxText(pasted).bytes()), utf8Of(piece)) << "piece " << pieces;
    }
    EXPECT_GT(pieces, 30);
}

TEST_F(EveryCharacter, CopiedToTheClipboardAsTheyAre)
{
    QtPlatformServices services;
    ASSERT_TRUE(services.setClipboardText(everyText));
    EXPECT_EQ(firstDifference(every, utf8Of(QGuiApplication::clipboard()->text(QClipboard::Clipboard))), "");
}

}  // namespace
}  // namespace harvela
