// SPDX-License-Identifier: Apache-2.0
// The window through real widgets (offscreen), each measure against a bare
// Qt baseline in the same run:
// - start-up until the window is shown: the window definition, the window
//   with all its controls, binding and showing it, against a bare window
//   with one tab control;
// - keystrokes in 编辑框1, each running the amount handler, which writes
//   编辑框2 three times, against the same keystrokes in a bare line edit;
// - on pages 2 to 4, a 10 MB paste into the input box, the convert button
//   and the result shown, against two bare QPlainTextEdits set to the same
//   two texts (the floor: the showing alone, no conversion);
// - the copy button on that result, against a bare QClipboard set to the
//   same text, and against the least a program holding GBK can do: one bare
//   iconv call from GB18030 into a ready buffer, then the clipboard.
// The ratios are printed after the table. Each window measure is repeated,
// and its best repetition counts: on a shared machine the slower ones measure
// other programs.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include <iconv.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "sample_texts.h"
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

// A page's controls: its input box, one convert button, its output box and
// its copy button.
struct Page {
    int inputBox;
    int convertButton;
    int outputBox;
    int copyButton;
};

// Indexed by page number; pages 2 to 4. Page 4 re-encodes the pasted
// Chinese text from GB2312 to UTF-8, the direction that takes it.
constexpr Page kPages[] = {{}, {}, {4, 2, 3, 4}, {7, 8, 8, 10}, {5, 6, 6, 7}};

// About 10 MB of UTF-8 prose, whole lines of it.
const QString& pastedText()
{
    static const QString pasted = [] {
        const std::string& utf8 = sampleTexts().utf8;
        const std::size_t end = utf8.rfind('\n', 10u << 20) + 1;
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(end));
    }();
    return pasted;
}

QPlainTextEdit& plainTextEdit(WidgetBox& box)
{
    return dynamic_cast<QPlainTextEdit&>(box);
}

// The window with the page shown and, once converted, what its output shows.
struct ConvertedPage {
    explicit ConvertedPage(int number) : page(kPages[number])
    {
        shown.window->tabs().setCurrentIndex(number - 1);
        convert();
        result = output().toPlainText();
    }

    QPlainTextEdit& input() { return plainTextEdit(shown.window->editBox(page.inputBox)); }
    QPlainTextEdit& output() { return plainTextEdit(shown.window->editBox(page.outputBox)); }

    // The paste, the convert button, and the paint that shows the result.
    void convert()
    {
        input().setPlainText(pastedText());
        QTest::mouseClick(&shown.window->button(page.convertButton), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    void clear()
    {
        input().clear();
        output().clear();
        QCoreApplication::processEvents();
    }

    Page page;
    ShownWindow shown;
    QString result;
};

void pasteConvertShowInWindow(benchmark::State& state)
{
    ConvertedPage page(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        page.clear();
        state.ResumeTiming();
        page.convert();
    }
    if (page.output().toPlainText() != page.result) {
        state.SkipWithError("the output box does not show the same result every time");
    }
}

// Two bare QPlainTextEdits like the page's boxes, set to the page's input and
// its result.
void pasteShowInBareEdits(benchmark::State& state)
{
    const QString result = ConvertedPage(static_cast<int>(state.range(0))).result;
    QWidget window;
    QPlainTextEdit input(&window);
    QPlainTextEdit output(&window);
    for (QPlainTextEdit* edit : {&input, &output}) {
        edit->resize(376, 110);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
    output.move(0, 136);
    window.show();
    waitUntilExposed(window);
    for (auto _ : state) {
        state.PauseTiming();
        input.clear();
        output.clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        input.setPlainText(pastedText());
        output.setPlainText(result);
        QCoreApplication::processEvents();
    }
}

void copyInWindow(benchmark::State& state)
{
    ConvertedPage page(static_cast<int>(state.range(0)));
    QClipboard& clipboard = *QGuiApplication::clipboard();
    for (auto _ : state) {
        state.PauseTiming();
        clipboard.clear();
        state.ResumeTiming();
        QTest::mouseClick(&page.shown.window->button(page.page.copyButton), Qt::LeftButton);
    }
    if (clipboard.text() != page.result) {
        state.SkipWithError("the clipboard does not hold the result");
    }
}

void copyToBareClipboard(benchmark::State& state)
{
    const QString result = ConvertedPage(static_cast<int>(state.range(0))).result;
    QClipboard& clipboard = *QGuiApplication::clipboard();
    for (auto _ : state) {
        state.PauseTiming();
        clipboard.clear();
        state.ResumeTiming();
        clipboard.setText(result);
    }
}

// The result's bytes turned into Unicode by one bare iconv call into a ready
// buffer, then put on the clipboard.
void copyDecodedByIconv(benchmark::State& state)
{
    ConvertedPage page(static_cast<int>(state.range(0)));
    const Text result = readBoxText(page.shown.window->editBox(page.page.outputBox));
    std::string utf8(static_cast<std::size_t>(result.length()) * 2 + 16, '\0');
    QClipboard& clipboard = *QGuiApplication::clipboard();
    const iconv_t descriptor = iconv_open("UTF-8", "GB18030");
    for (auto _ : state) {
        state.PauseTiming();
        clipboard.clear();
        state.ResumeTiming();
        char* in = const_cast<char*>(result.c_str());
        std::size_t inLeft = static_cast<std::size_t>(result.length());
        char* out = utf8.data();
        std::size_t outLeft = utf8.size();
        while (inLeft > 0 && iconv(descriptor, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            ++in;  // a byte the bare call cannot take: skipped
            --inLeft;
        }
        clipboard.setText(QString::fromUtf8(utf8.data(), out - utf8.data()));
    }
    iconv_close(descriptor);
}

constexpr const char* kBest = "best";
constexpr int kRepetitions = 3;

double best(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            if (run.run_type == Run::RT_Iteration) {
                times_[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            } else if (run.aggregate_name == kBest) {
                times_[run.run_name.str()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatio(const std::string& measured, const std::string& baseline) const
    {
        const auto m = times_.find(measured);
        const auto b = times_.find(baseline);
        if (m != times_.end() && b != times_.end() && b->second.real > 0 && b->second.cpu > 0) {
            std::printf("%s / %s = %.2f (CPU time: %.2f)\n", measured.c_str(), baseline.c_str(),
                        m->second.real / b->second.real, m->second.cpu / b->second.cpu);
        }
    }

private:
    // Wall time, and the CPU time of the one thread, which other programs on
    // a busy machine disturb less.
    struct Times {
        double real;
        double cpu;
    };
    std::map<std::string, Times> times_;
};

}  // namespace
}  // namespace harvela

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // Each window measure right beside its floors, so that a change in the
    // machine's load between them spoils as little as can be.
    for (const int page : {2, 3, 4}) {
        for (const auto& [name, function] : {
                 std::pair{"pasteConvertShowInWindow", &harvela::pasteConvertShowInWindow},
                 std::pair{"pasteShowInBareEdits", &harvela::pasteShowInBareEdits},
                 std::pair{"copyInWindow", &harvela::copyInWindow},
                 std::pair{"copyToBareClipboard", &harvela::copyToBareClipboard},
                 std::pair{"copyDecodedByIconv", &harvela::copyDecodedByIconv},
             }) {
            benchmark::RegisterBenchmark(name, function)
                ->Arg(page)
                ->Iterations(5)
                ->Repetitions(harvela::kRepetitions)
                ->ComputeStatistics(harvela::kBest, harvela::best)
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    harvela::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("harvelaWindowShown", "bareTabWindowShown");
    reporter.printRatio("keystrokesInAmountBox", "keystrokesInBareLineEdit");
    const std::string suffix = "/iterations:5/repeats:" + std::to_string(harvela::kRepetitions);
    for (const char* page : {"/2", "/3", "/4"}) {
        reporter.printRatio(std::string("pasteConvertShowInWindow") + page + suffix,
                            std::string("pasteShowInBareEdits") + page + suffix);
    }
    for (const char* page : {"/2", "/3", "/4"}) {
        reporter.printRatio(std::string("copyInWindow") + page + suffix,
                            std::string("copyToBareClipboard") + page + suffix);
        reporter.printRatio(std::string("copyInWindow") + page + suffix,
                            std::string("copyDecodedByIconv") + page + suffix);
    }
    benchmark::Shutdown();
    return 0;
}
