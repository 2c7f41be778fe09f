// SPDX-License-Identifier: Apache-2.0
// The window through real widgets (offscreen), each measure against a bare
// Qt baseline in the same run:
// - start-up until the window is shown: the window definition, the window
//   with all its controls, binding and showing it, against a bare window
//   with one tab control;
// - keystrokes in 编辑框1, each running the amount handler, which writes
//   编辑框2 three times, against the same keystrokes in a bare line edit.
// The ratios are printed after the table.

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "text/gbk_codec.h"
#include "ui/program.h"
#include "ui/qt_platform_services.h"

namespace harvela {
namespace {

void waitUntilExposed(QWidget& window)
{
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents();
    }
}

struct BareTabWindow {
    QWidget window;
    QTabWidget tabs{&window};
    QWidget page;
};

void bareTabWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        auto bare = std::make_unique<BareTabWindow>();
        bare->window.resize(MainWindow::kClientSize);
        bare->tabs.setGeometry(11, 4, 390, 276);
        bare->tabs.addTab(&bare->page, QStringLiteral("page"));
        bare->window.show();
        waitUntilExposed(bare->window);
        state.PauseTiming();
        bare.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(bareTabWindowShown)->Unit(benchmark::kMicrosecond);

// The program's window as start-up brings it up: built, bound, shown.
struct ShownWindow {
    ShownWindow()
    {
        StandardWindowFactory windows;
        windows.prepareDefinition();
        window = windows.loadWindow();
        bindWindow(*window, program, services);
        program.enterRunning();
        window->showCentred();
        waitUntilExposed(*window);
    }

    ProgramState program;
    QtPlatformServices services;
    std::unique_ptr<MainWindow> window;
};

void harvelaWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        auto shown = std::make_unique<ShownWindow>();
        state.PauseTiming();
        shown.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(harvelaWindowShown)->Unit(benchmark::kMicrosecond);

// Two keystrokes per iteration: a second decimal typed and deleted again.
void typeAndDelete(QWidget& box)
{
    QTest::keyClick(&box, Qt::Key_4);
    QTest::keyClick(&box, Qt::Key_Backspace);
}

void keystrokesInBareLineEdit(benchmark::State& state)
{
    QLineEdit box;
    box.setText(QStringLiteral("12345678901.3"));
    box.show();
    waitUntilExposed(box);
    for (auto _ : state) {
        typeAndDelete(box);
    }
}
BENCHMARK(keystrokesInBareLineEdit)->Unit(benchmark::kMicrosecond);

void keystrokesInAmountBox(benchmark::State& state)
{
    ShownWindow shown;
    const std::unique_ptr<MainWindow>& window = shown.window;
    auto& amountBox = dynamic_cast<QWidget&>(window->editBox(1));
    QTest::keyClicks(&amountBox, "12345678901.3");
    for (auto _ : state) {
        typeAndDelete(amountBox);
    }
    if (readBoxText(window->editBox(2)) != utf8ToGbk("壹佰贰拾叁亿肆仟伍佰陆拾柒万捌仟玖佰零壹元叁角整")) {
        state.SkipWithError("the words box does not show the amount");
    }
}
BENCHMARK(keystrokesInAmountBox)->Unit(benchmark::kMicrosecond);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times_[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatio(const std::string& measured, const std::string& baseline) const
    {
        const auto m = times_.find(measured);
        const auto b = times_.find(baseline);
        if (m != times_.end() && b != times_.end() && b->second > 0) {
            std::printf("%s / %s = %.2f\n", measured.c_str(), baseline.c_str(), m->second / b->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace
}  // namespace harvela

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    harvela::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("harvelaWindowShown", "bareTabWindowShown");
    reporter.printRatio("keystrokesInAmountBox", "keystrokesInBareLineEdit");
    benchmark::Shutdown();
    return 0;
}
