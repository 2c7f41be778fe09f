// SPDX-License-Identifier: Apache-2.0
#include "ui/program.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace harvela {

namespace {

enum class StartupStep { prepareDefinition, loadWindow };

constexpr int kFatalExitCode = -1;

QString fatalMessage(StartupStep step)
{
    return step == StartupStep::prepareDefinition
        ? QStringLiteral("Harvela 运行时出错，无法继续：准备窗口定义失败。")
        : QStringLiteral("Harvela 运行时出错，无法继续：载入启动窗口失败。");
}

// Shows the error box (no owner, error icon, OK) and leaves the program
// ready to end: the exit routine is discarded, not run.
int failAtStartup(ProgramState& state, StartupStep step)
{
    state.enterEnding();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Harvela"), fatalMessage(step),
                    QMessageBox::Ok);
    box.exec();
    state.exitRoutine().discard();
    return kFatalExitCode;
}

template <typename Step>
auto guarded(Step step) -> decltype(step())
{
    // A step that throws (out of memory, say) fails like one that reports failure.
    try {
        return step();
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace

bool StandardWindowFactory::prepareDefinition()
{
    definition_ = prepareWindowDefinition();
    return true;
}

std::unique_ptr<MainWindow> StandardWindowFactory::loadWindow()
{
    if (!definition_) {
        return nullptr;
    }
    return std::make_unique<MainWindow>(*definition_);
}

std::function<void()> ProgramState::whileRunning(std::function<void()> handler)
{
    return [this, handler = std::move(handler)] {
        if (stage_ == Stage::running) {
            handler();
        }
    };
}

void ProgramState::bindAmountPage(Box& amountBox, Box& wordsBox)
{
    amountPage_.emplace(amountBox, wordsBox);
}

void ProgramState::releaseAmountTexts()
{
    if (amountPage_) {
        amountPage_->releaseAmountTexts();
    }
    amountTextsReleased_ = true;
}

void ProgramState::bindButtons(const ButtonBoxes& boxes, PlatformServices& services)
{
    buttons_.emplace(boxes, services);
}

void bindWindow(MainWindow& window, ProgramState& state, PlatformServices& services)
{
    state.bindAmountPage(window.editBox(1), window.editBox(2));
    window.editBox(1).onTextChanged(
        state.whileRunning([&state] { state.amountPage()->updateAmountInWords(); }));

    state.bindButtons({window.editBox(2), window.editBox(3), window.editBox(4), window.editBox(5),
                       window.editBox(6), window.editBox(7), window.editBox(8)},
                      services);
    ButtonActions& actions = *state.buttons();
    const std::pair<int, void (ButtonActions::*)()> buttonActions[] = {
        {1, &ButtonActions::copyAmountInWords},     {2, &ButtonActions::convertToTraditional},
        {3, &ButtonActions::convertToSimplified},   {4, &ButtonActions::copyCharacterResult},
        {5, &ButtonActions::reencodeUtf8ToGb2312},  {6, &ButtonActions::reencodeGb2312ToUtf8},
        {7, &ButtonActions::copyReencodingResult},  {8, &ButtonActions::convertToMartian},
        {9, &ButtonActions::convertFromMartian},    {10, &ButtonActions::copyMartianResult},
        {11, &ButtonActions::clearCharacterPage},   {12, &ButtonActions::clearMartianPage},
        {13, &ButtonActions::clearReencodingPage},
    };
    for (const auto& [number, action] : buttonActions) {
        window.onButtonClicked(number, state.whileRunning([&actions, action] { (actions.*action)(); }));
    }
    window.onAuthorLabelPressed(state.whileRunning([&actions] { actions.openAuthorPage(); }));
}

int startProgram(WindowFactory& windows, ProgramState& state, PlatformServices& services)
{
    if (!guarded([&windows] { return windows.prepareDefinition(); })) {
        return failAtStartup(state, StartupStep::prepareDefinition);
    }
    state.exitRoutine().registerRoutine([&state] { state.releaseAmountTexts(); });

    std::unique_ptr<MainWindow> window = guarded([&windows] { return windows.loadWindow(); });
    if (window == nullptr) {
        return failAtStartup(state, StartupStep::loadWindow);
    }
    bindWindow(*window, state, services);
    state.enterRunning();
    window->showCentred();

    // Closing the last window stops the loop; the window goes before startProgram returns.
    QApplication::setQuitOnLastWindowClosed(true);
    if (window->isVisible()) {
        QApplication::exec();
    }
    state.enterEnding();
    window.reset();
    return 0;
}

int runProgram(WindowFactory& windows, ProgramState& state, PlatformServices& services)
{
    const int exitCode = startProgram(windows, state, services);  // it has set the ending flag
    state.exitRoutine().runAndForget();
    return exitCode;
}

}  // namespace harvela
