// SPDX-License-Identifier: Apache-2.0
// The program's life: start-up, closing the window, the exit routine, and a
// fatal start-up failure.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <new>

#include "gbk.h"
#include "message_box_answerer.h"
#include "ui/program.h"
#include "ui/qt_platform_services.h"

namespace harvela {
namespace {

// The standard window, with a look at it once the event loop runs.
class WatchedFactory : public WindowFactory {
public:
    bool prepareDefinition() override { return standard_.prepareDefinition(); }
    std::unique_ptr<MainWindow> loadWindow() override
    {
        std::unique_ptr<MainWindow> window = standard_.loadWindow();
        loaded = window.get();
        return window;
    }

    QPointer<MainWindow> loaded;

private:
    StandardWindowFactory standard_;
};

// Runs step as soon as the event loop takes timers.
void onceTheLoopRuns(std::function<void()> step)
{
    QTimer::singleShot(0, qApp, std::move(step));
}

TEST(ProgramTest, RunsUntilTheWindowIsClosedThenReleasesTheAmountTextsOnce)
{
    WatchedFactory windows;
    ProgramState state;
    QtPlatformServices services;
    bool releasedBeforeWindowWasGone = true;
    bool ranLoop = false;
    onceTheLoopRuns([&] {
        ranLoop = true;
        ASSERT_NE(windows.loaded, nullptr);
        MainWindow& window = *windows.loaded;
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        EXPECT_EQ(state.stage(), ProgramState::Stage::running);
        EXPECT_TRUE(state.exitRoutine().isRegistered());
        QObject::connect(&window, &QObject::destroyed, [&] {
            releasedBeforeWindowWasGone = state.amountTextsReleased();
        });
        QTest::keyClicks(QApplication::focusWidget(), "12.5");
        EXPECT_EQ(state.amountPage()->integerDigits(), Text("12"));
        EXPECT_EQ(readBoxText(window.editBox(2)), gbk("壹拾贰元伍角整"));
        // Esc from a multi-line box closes the window.
        window.tabs().setCurrentIndex(3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });

    EXPECT_EQ(runProgram(windows, state, services), 0);
    EXPECT_TRUE(ranLoop);
    EXPECT_EQ(windows.loaded, nullptr) << "the window is gone";
    EXPECT_FALSE(releasedBeforeWindowWasGone);
    EXPECT_TRUE(state.amountTextsReleased());
    ASSERT_NE(state.amountPage(), nullptr);
    EXPECT_EQ(state.amountPage()->integerDigits(), Text());
    EXPECT_EQ(state.amountPage()->fractionDigits(), Text());
    EXPECT_EQ(state.amountPage()->amountWords(), Text());
    EXPECT_FALSE(state.exitRoutine().isRegistered()) << "run once, then forgotten";
    EXPECT_EQ(state.stage(), ProgramState::Stage::ending);
}

// A factory whose preparation or loading fails, by result or by exception.
class FailingFactory : public WindowFactory {
public:
    enum class Failure { prepareFalse, prepareThrows, loadNull, loadThrows };
    explicit FailingFactory(Failure failure) : failure_(failure) {}

    bool prepareDefinition() override
    {
        if (failure_ == Failure::prepareThrows) {
            throw std::bad_alloc();
        }
        return failure_ != Failure::prepareFalse && standard_.prepareDefinition();
    }
    std::unique_ptr<MainWindow> loadWindow() override
    {
        if (failure_ == Failure::loadThrows) {
            throw std::bad_alloc();
        }
        return failure_ == Failure::loadNull ? nullptr : standard_.loadWindow();
    }

private:
    Failure failure_;
    StandardWindowFactory standard_;
};

struct FatalCase {
    FailingFactory::Failure failure;
    const char* step;  // the words that name the failed step
};

class FatalStartupTest : public ::testing::TestWithParam<FatalCase> {};

TEST_P(FatalStartupTest, ShowsAnErrorBoxAndEndsWithMinusOneWithoutTheExitRoutine)
{
    FailingFactory windows(GetParam().failure);
    ProgramState state;
    QtPlatformServices services;
    const MessageBoxAnswerer answerer([&](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(box.parentWidget(), nullptr);
        EXPECT_TRUE(box.text().contains(QString::fromUtf8(GetParam().step))) << box.text().toStdString();
        EXPECT_EQ(state.stage(), ProgramState::Stage::ending) << "the ending flag is set first";
    });
    EXPECT_EQ(runProgram(windows, state, services), -1);
    EXPECT_TRUE(answerer.sawBox());
    EXPECT_FALSE(state.amountTextsReleased());
    EXPECT_FALSE(state.exitRoutine().isRegistered());
    EXPECT_EQ(state.amountPage(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    EitherStep, FatalStartupTest,
    ::testing::Values(FatalCase{FailingFactory::Failure::prepareFalse, "准备窗口定义"},
                      FatalCase{FailingFactory::Failure::prepareThrows, "准备窗口定义"},
                      FatalCase{FailingFactory::Failure::loadNull, "载入启动窗口"},
                      FatalCase{FailingFactory::Failure::loadThrows, "载入启动窗口"}));

TEST(ExitRoutineSlotTest, RunsTheLastRegisteredRoutineOnce)
{
    ExitRoutineSlot slot;
    int first = 0;
    int second = 0;
    slot.runAndForget();  // nothing registered: nothing happens
    slot.registerRoutine([&first] { ++first; });
    slot.registerRoutine([&second] { ++second; });
    slot.runAndForget();
    slot.runAndForget();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);

    slot.registerRoutine([&first] { ++first; });
    slot.discard();
    slot.runAndForget();
    EXPECT_EQ(first, 0);
}

}  // namespace
}  // namespace harvela
