// SPDX-License-Identifier: Apache-2.0
// The amount box takes only the characters of a number from the keyboard.

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/single_line_box.h"

namespace harvela {
namespace {

class DecimalInputTest : public ::testing::Test {
protected:
    DecimalInputTest()
    {
        box.onTextChanged([this] { ++changes; });
        box.show();
        box.setFocus();
    }
    void type(const char* keys) { QTest::keyClicks(&box, keys); }

    DecimalInputBox box;
    int changes = 0;
};

TEST_F(DecimalInputTest, DigitsPointAndMinusGetIn)
{
    type("1.5");
    EXPECT_EQ(readBoxText(box), Text("1.5"));
    EXPECT_EQ(changes, 3);
}

TEST_F(DecimalInputTest, TheShapeOfTheNumberIsNotTested)
{
    type("..--");
    EXPECT_EQ(readBoxText(box), Text("..--"));
    type("0123456789");
    EXPECT_EQ(readBoxText(box), Text("..--0123456789"));
}

TEST_F(DecimalInputTest, OtherTypedCharactersAreDroppedWithoutAnEvent)
{
    type("1");
    changes = 0;
    type("a+ Z,e");
    QTest::keyClick(&box, Qt::Key_Plus, Qt::KeypadModifier, 0);
    QKeyEvent chinese(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("五"));
    QApplication::sendEvent(&box, &chinese);
    QKeyEvent fullWidth(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("２"));
    QApplication::sendEvent(&box, &fullWidth);
    EXPECT_EQ(readBoxText(box), Text("1"));
    EXPECT_EQ(changes, 0);
}

TEST_F(DecimalInputTest, OneEventWithSeveralCharactersKeepsTheAcceptedOnes)
{
    QKeyEvent mixed(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("1x2"));
    QApplication::sendEvent(&box, &mixed);
    EXPECT_EQ(readBoxText(box), Text("12"));
}

TEST_F(DecimalInputTest, ControlKeysPass)
{
    type("123");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(readBoxText(box), Text("12"));
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);  // select all
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);  // cut
    EXPECT_EQ(readBoxText(box), Text());
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);  // undo
    EXPECT_EQ(readBoxText(box), Text("12"));
}

TEST_F(DecimalInputTest, PastedTextIsNotFiltered)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("abc+"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(readBoxText(box), Text("abc+"));
    EXPECT_EQ(changes, 1);
}

TEST_F(DecimalInputTest, EnterInsertsNothing)
{
    type("7");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(readBoxText(box), Text("7"));
}

TEST_F(DecimalInputTest, InputMethodTextIsFilteredLikeTypedText)
{
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("3元.5"));
    QApplication::sendEvent(&box, &commit);
    EXPECT_EQ(readBoxText(box), Text("3.5"));
}

}  // namespace
}  // namespace harvela
