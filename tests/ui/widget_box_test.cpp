// SPDX-License-Identifier: Apache-2.0
// The box layer over real widgets: GBK bytes in and out, exactly.

#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "gbk.h"
#include "ui/multi_line_box.h"
#include "ui/single_line_box.h"

namespace harvela {
namespace {

const QString kReplacement(QChar::ReplacementCharacter);

template <typename BoxWidget>
class Counted {
public:
    Counted()
    {
        box.onTextChanged([this] { ++changes; });
    }
    BoxWidget box;
    int changes = 0;
};

TEST(WidgetBoxTest, EveryTwoByteValueReadsBackExactly)
{
    // Boxes the user typed into do not know the bytes written elsewhere:
    // a character that shows reads back through the conversion alone.
    Counted<SingleLineBox> written;
    SingleLineBox typed;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const Text code = bytes({static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)});
            writeBoxText(written.box, code);
            ASSERT_EQ(readBoxText(written.box), code) << std::hex << lead << ' ' << trail;
            if (!written.box.text().contains(kReplacement)) {
                typed.setText(written.box.text());
                ASSERT_EQ(readBoxText(typed), code) << std::hex << lead << ' ' << trail;
            }
        }
    }
    EXPECT_EQ(written.changes, 126 * 191);
}

TEST(WidgetBoxTest, RandomInvalidBytesReadBackExactlyAndShowVisibly)
{
    std::mt19937 random(20240611);
    // Mostly lead bytes and bytes no GBK code uses, with some ASCII and CR LF.
    const unsigned char alphabet[] = {0x80, 0x81, 0xA1, 0xD6, 0xFE, 0xFF, 0x7F, 0x30, 0x39,
                                      0x40, 0x0D, 0x0A, 'a', 0xAA, 0xA0, 0xC8};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1);
    std::uniform_int_distribution<int> length(1, 40);
    Counted<MultiLineBox> multi;
    Counted<SingleLineBox> single;
    int shownBroken = 0;
    for (int round = 0; round < 300; ++round) {
        std::string raw;
        for (int i = length(random); i > 0; --i) {
            raw.push_back(static_cast<char>(alphabet[pick(random)]));
        }
        const Text text(raw);
        writeBoxText(multi.box, text);
        writeBoxText(single.box, text);
        ASSERT_EQ(readBoxText(multi.box), text) << round;
        ASSERT_EQ(readBoxText(single.box), text) << round;
        shownBroken += multi.box.toPlainText().contains(kReplacement) ? 1 : 0;
    }
    EXPECT_EQ(multi.changes, 300);
    EXPECT_EQ(single.changes, 300);
    EXPECT_GT(shownBroken, 250);
}

TEST(WidgetBoxTest, AfterTheUserChangesTheBoxItReadsWhatItShows)
{
    Counted<SingleLineBox> counted;
    SingleLineBox& box = counted.box;
    writeBoxText(box, bytes({'a', 0x81}));  // ends in a lone lead byte
    EXPECT_EQ(box.text(), QStringLiteral("a") + kReplacement);
    QTest::keyClicks(&box, "b");
    EXPECT_EQ(counted.changes, 2);
    // What the user sees is what the program gets: the mark, as a character.
    EXPECT_EQ(readBoxText(box).bytes(), "a\x84\x31\xA4\x37" "b");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(readBoxText(box), bytes({'a', 0x81})) << "the box shows the written text again";
}

TEST(WidgetBoxTest, AnyChangeNotMadeByAWriteIsReadFromTheWidget)
{
    // Read-only or not, a box that something else changed reads what it
    // shows. A read-only box keeps nothing of what a write showed, so even
    // the same characters shown again read through the conversion.
    const Text written = bytes({'a', 0x81, '\r', 'b'});  // a lone lead byte, a lone CR
    const QString shownAgain = QStringLiteral("a") + kReplacement + QChar(u'\n') + QStringLiteral("b");
    const Text readAgain("a\x84\x31\xA4\x37\r\nb");
    for (const bool readOnly : {false, true}) {
        Counted<MultiLineBox> counted;
        MultiLineBox& box = counted.box;
        box.setReadOnly(readOnly);
        writeBoxText(box, written);
        EXPECT_EQ(box.toPlainText(), shownAgain) << "a lone CR shows as a line break";
        EXPECT_EQ(readBoxText(box), written) << readOnly;

        box.setPlainText(QStringLiteral("x\ny"));
        EXPECT_EQ(counted.changes, 2);
        EXPECT_EQ(readBoxText(box), Text("x\r\ny")) << readOnly;

        box.setPlainText(shownAgain);
        EXPECT_EQ(readBoxText(box), readOnly ? readAgain : written) << readOnly;

        writeBoxText(box, written);
        EXPECT_EQ(readBoxText(box), written) << "a write makes the box its own again";
    }
}

TEST(WidgetBoxTest, TypingAfterAWriteIsRead)
{
    MultiLineBox box;
    box.show();
    writeBoxText(box, bytes({'x', '\r', '\n', 0xFF}));
    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, "z");
    EXPECT_EQ(readBoxText(box).bytes(), "x\r\n\x84\x31\xA4\x37\r\nz");
}

TEST(WidgetBoxTest, AWriteReadsBackWholeWhereTheWidgetShowsLess)
{
    // A line edit shows no more than its length limit. The box still holds
    // the whole text written: reading and copying give it all.
    for (const bool readOnly : {false, true}) {
        SingleLineBox box;
        box.setReadOnly(readOnly);
        box.setMaxLength(3);
        writeBoxText(box, "abcdef");
        EXPECT_EQ(box.text(), QStringLiteral("abc"));
        EXPECT_EQ(readBoxText(box), Text("abcdef")) << readOnly;
    }
}

TEST(WidgetBoxTest, LineBreaksAreCrLfInTheTextOfMultiLineBoxes)
{
    MultiLineBox box;
    writeBoxText(box, "one\r\ntwo\r\n\r\nthree");
    EXPECT_EQ(box.blockCount(), 4);
    EXPECT_EQ(box.toPlainText(), QStringLiteral("one\ntwo\n\nthree"));

    // Lines the user makes come back as CR LF too.
    MultiLineBox typed;
    typed.show();
    QTest::keyClicks(&typed, "a");
    QTest::keyClick(&typed, Qt::Key_Return);
    QTest::keyClicks(&typed, "b");
    QTest::keyClick(&typed, Qt::Key_Return, Qt::ShiftModifier);  // a line separator
    QTest::keyClicks(&typed, "c");
    EXPECT_EQ(readBoxText(typed), Text("a\r\nb\r\nc"));
}

TEST(WidgetBoxTest, EveryWriteRaisesOneTextChangedEvent)
{
    Counted<MultiLineBox> multi;
    Counted<SingleLineBox> single;
    for (const Text& text : {Text(), Text("same"), Text("same"), Text("x\r\ny"), Text()}) {
        const int multiBefore = multi.changes;
        const int singleBefore = single.changes;
        writeBoxText(multi.box, text);
        writeBoxText(single.box, text);
        EXPECT_EQ(multi.changes - multiBefore, 1) << text.c_str();
        EXPECT_EQ(single.changes - singleBefore, 1) << text.c_str();
    }
    EXPECT_EQ(readBoxText(multi.box), Text());
}

TEST(WidgetBoxTest, EmojiAndRareCharactersSurviveReadThenWrite)
{
    const QString rare = QString::fromUtf8("\U0001F600 \U00020000 \u00A0 中");
    MultiLineBox source;
    source.insertPlainText(rare);  // as if typed or pasted
    const Text read = readBoxText(source);
    EXPECT_EQ(read.bytes(), "\x94\x39\xFC\x36 \x95\x32\x82\x36 \x81\x30\x84\x32 \xD6\xD0");

    MultiLineBox target;
    writeBoxText(target, read);
    EXPECT_EQ(target.document()->toRawText(), rare);
}

TEST(WidgetBoxTest, EmptyBoxReadsEmptyAndZeroIsNeverRead)
{
    SingleLineBox box;
    EXPECT_EQ(readBoxText(box), Text());
    box.setText(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    EXPECT_EQ(readBoxText(box), Text("ab"));
}

}  // namespace
}  // namespace harvela
