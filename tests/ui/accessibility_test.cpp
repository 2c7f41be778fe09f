// SPDX-License-Identifier: Apache-2.0
// What a screen reader finds in the window, read through Qt's accessibility
// interfaces: named boxes, buttons and pages, controls that can be told
// apart, and the author label as a link.

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "ui/box_text.h"
#include "ui/button_actions.h"
#include "ui/main_window.h"

namespace harvela {
namespace {

bool isBoxOrButton(QAccessible::Role role)
{
    return role == QAccessible::EditableText || role == QAccessible::PushButton;
}

// Every interface below the window, depth first, hidden pages included.
void collect(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found)
{
    for (int index = 0; index < node->childCount(); ++index) {
        if (QAccessibleInterface* child = node->child(index)) {
            found.push_back(child);
            collect(child, found);
        }
    }
}

class AccessibilityTest : public ::testing::Test {
protected:
    AccessibilityTest() : definition(prepareWindowDefinition()), window(definition)
    {
        window.showCentred();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
        if (root != nullptr) {
            collect(root, interfaces);
        }
    }

    WindowDefinition definition;
    MainWindow window;
    std::vector<QAccessibleInterface*> interfaces;
};

TEST_F(AccessibilityTest, EveryBoxAndButtonOfEveryPageIsReachedAndNamed)
{
    std::set<QString> reached;
    for (QAccessibleInterface* control : interfaces) {
        if (!isBoxOrButton(control->role())) {
            continue;
        }
        const QString name = control->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty())
            << "unnamed control " << control->object()->objectName().toStdString();
        reached.insert(control->object()->objectName());
    }
    for (int number = 1; number <= MainWindow::kEditBoxCount; ++number) {
        EXPECT_TRUE(reached.count(QStringLiteral("编辑框%1").arg(number))) << "编辑框" << number;
    }
    for (int number = 1; number <= MainWindow::kButtonCount; ++number) {
        EXPECT_TRUE(reached.count(QStringLiteral("按钮%1").arg(number))) << "按钮" << number;
    }
}

TEST_F(AccessibilityTest, NoTwoControlsShareBothNameAndDescription)
{
    std::map<std::pair<QString, QString>, QString> seen;
    for (QAccessibleInterface* control : interfaces) {
        const QAccessible::Role role = control->role();
        if (!isBoxOrButton(role) && role != QAccessible::Link) {
            continue;
        }
        const auto key = std::make_pair(control->text(QAccessible::Name),
                                        control->text(QAccessible::Description));
        const QString objectName = control->object()->objectName();
        const auto [where, inserted] = seen.emplace(key, objectName);
        EXPECT_TRUE(inserted) << objectName.toStdString() << " and "
                              << where->second.toStdString() << " are both announced as \""
                              << key.first.toStdString() << "\" / \"" << key.second.toStdString()
                              << "\"";
    }
}

TEST_F(AccessibilityTest, TheFourCopyButtonsShareANameAndDifferInTheirDescriptions)
{
    std::set<QString> descriptions;
    for (const int number : {1, 4, 10, 7}) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(&window.button(number));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("复制转换结果"));
        EXPECT_FALSE(button->text(QAccessible::Description).isEmpty());
        descriptions.insert(button->text(QAccessible::Description));
    }
    EXPECT_EQ(descriptions.size(), 4U);
}

TEST_F(AccessibilityTest, AmountPageBoxesSayWhatTheyHold)
{
    QAccessibleInterface* amount =
        QAccessible::queryAccessibleInterface(dynamic_cast<QWidget*>(&window.editBox(1)));
    QAccessibleInterface* words =
        QAccessible::queryAccessibleInterface(dynamic_cast<QWidget*>(&window.editBox(2)));
    ASSERT_NE(amount, nullptr);
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(amount->text(QAccessible::Name), QStringLiteral("金额（阿拉伯数字）"));
    EXPECT_EQ(words->text(QAccessible::Name), QStringLiteral("大写金额"));
}

TEST_F(AccessibilityTest, EachPageIsNamedAfterItsTab)
{
    PageTabWidget& tabs = window.tabs();
    ASSERT_EQ(tabs.count(), MainWindow::kPageCount);
    for (int page = 0; page < tabs.count(); ++page) {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(tabs.widget(page));
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->text(QAccessible::Name), tabs.tabText(page)) << "page " << page + 1;
    }
}

TEST_F(AccessibilityTest, AuthorLabelIsALinkNamedVintrelDescribedByTheAddress)
{
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(&window.authorLabel());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::Link);
    EXPECT_TRUE(label->state().linked);
    EXPECT_EQ(label->text(QAccessible::Name), QStringLiteral("Vintrel"));
    EXPECT_EQ(label->text(QAccessible::Description),
              shownFromText(authorPageAddress, BoxLines::single));
    // The walk finds the same link.
    EXPECT_NE(std::find(interfaces.begin(), interfaces.end(), label), interfaces.end());
}

TEST_F(AccessibilityTest, TheNoticeLabelStaysPlainText)
{
    auto* notice = window.findChild<QWidget*>(QStringLiteral("透明标签1"));
    ASSERT_NE(notice, nullptr);
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(notice);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::StaticText);
}

}  // namespace
}  // namespace harvela
