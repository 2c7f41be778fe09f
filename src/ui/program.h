// SPDX-License-Identifier: Apache-2.0
#pragma once

// The program's life: start-up, the event loop, and the orderly end.

#include <functional>
#include <memory>
#include <optional>

#include "amount/amount_in_words.h"
#include "ui/button_actions.h"
#include "ui/exit_routine.h"
#include "ui/main_window.h"
#include "ui/platform_services.h"
#include "ui/window_definition.h"

namespace harvela {

// Builds the window in two steps, either of which may fail.
class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    // Prepares what every window needs; false when it cannot.
    virtual bool prepareDefinition() = 0;
    // Creates the window and all its controls; null when it cannot.
    virtual std::unique_ptr<MainWindow> loadWindow() = 0;

protected:
    WindowFactory() = default;
    WindowFactory(const WindowFactory&) = default;
    WindowFactory& operator=(const WindowFactory&) = default;
};

class StandardWindowFactory : public WindowFactory {
public:
    bool prepareDefinition() override;
    std::unique_ptr<MainWindow> loadWindow() override;

private:
    std::optional<WindowDefinition> definition_;
};

// What the program keeps from start-up to its end: the amount page with its
// three texts, the exit routine slot and the stage of its life.
class ProgramState {
public:
    enum class Stage { starting, running, ending };

    Stage stage() const { return stage_; }
    void enterRunning() { stage_ = Stage::running; }
    // Sets the ending flag: from here on no control event reaches a handler.
    void enterEnding() { stage_ = Stage::ending; }
    // The handler, run only while the program is running.
    std::function<void()> whileRunning(std::function<void()> handler);

    // The amount page works on these two boxes from now on.
    void bindAmountPage(Box& amountBox, Box& wordsBox);
    // Null until the amount page is bound.
    AmountInWords* amountPage() { return amountPage_ ? &*amountPage_ : nullptr; }

    // The buttons and the author label work on these boxes and services from now on.
    void bindButtons(const ButtonBoxes& boxes, PlatformServices& services);
    // Null until the buttons are bound.
    ButtonActions* buttons() { return buttons_ ? &*buttons_ : nullptr; }

    // The exit routine: releases the three texts of the amount page.
    void releaseAmountTexts();
    bool amountTextsReleased() const { return amountTextsReleased_; }

    ExitRoutineSlot& exitRoutine() { return exitRoutine_; }

private:
    Stage stage_ = Stage::starting;
    std::optional<AmountInWords> amountPage_;
    std::optional<ButtonActions> buttons_;
    bool amountTextsReleased_ = false;
    ExitRoutineSlot exitRoutine_;
};

// Binds the window's handlers to the program: 编辑框1's text-changed event
// runs updateAmountInWords, which shows its words in 编辑框2; each button's
// clicked event and the author label's press run their actions, which reach
// the desktop through the services.
void bindWindow(MainWindow& window, ProgramState& state, PlatformServices& services);

// Start-up: prepares the window definition, registers releaseAmountTexts as
// the exit routine, loads and shows the window and runs the event loop until
// the window is closed; sets the ending flag before the window goes. Returns
// 0, or -1 after a fatal start-up failure, which it shows in an error box.
// Needs a QApplication.
int startProgram(WindowFactory& windows, ProgramState& state, PlatformServices& services);

// startProgram, which leaves the ending flag set on every way out, followed by
// the orderly end: runs the exit routine, if one is still registered, once.
// Returns the exit code.
int runProgram(WindowFactory& windows, ProgramState& state, PlatformServices& services);

}  // namespace harvela
