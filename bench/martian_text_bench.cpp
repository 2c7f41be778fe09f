// SPDX-License-Identifier: Apache-2.0
// Martian text conversion over 16 MB of GBK prose, both ways, against the
// simplified -> traditional conversion of the same text in the same run.
// Prints, after the usual table, the time of each Martian conversion as a
// multiple of convertCharacters' time and the peak memory each call takes
// beyond its input, as a multiple of the input's size.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "convert/convert_characters.h"
#include "convert/martian_text.h"
#include "sample_texts.h"

// Allocation accounting for this benchmark binary only: every operator new
// counts its block, so a call's peak memory can be read around it.
namespace {
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* allocate(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const std::size_t live = liveBytes += malloc_usable_size(block);
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block;
}

void release(void* block) noexcept
{
    if (block != nullptr) {
        liveBytes -= malloc_usable_size(block);
        std::free(block);
    }
}
}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }

namespace harvela {
namespace {

// The prose the simplified <-> traditional benchmark converts, about 16 MB.
const Text& largeGbkText()
{
    static const Text text(sampleTexts().gbk);
    return text;
}

// Large blocks either come as fresh pages from the system on every call (as
// for a single button press) or are reused from the heap, so that the time
// is the conversion's own. Every benchmark runs in both modes.
void chooseBlockReuse(bool freshPages)
{
    mallopt(M_MMAP_THRESHOLD, freshPages ? 1 << 20 : 1 << 30);
    mallopt(M_TRIM_THRESHOLD, freshPages ? 1 << 20 : 1 << 30);
}

template <typename Convert>
void measure(benchmark::State& state, Convert convert)
{
    chooseBlockReuse(state.range(0) != 0);
    const Text& input = largeGbkText();
    std::size_t peakExtra = 0;
    for (auto _ : state) {
        const std::size_t before = liveBytes.load();
        peakBytes = before;
        Text result = convert(input);
        benchmark::DoNotOptimize(result);
        peakExtra = std::max(peakExtra, peakBytes.load() - before);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.bytes().size()));
    state.counters["peakExtraPerInput"] =
        static_cast<double>(peakExtra) / static_cast<double>(input.bytes().size());
}

void convertCharactersToTraditional(benchmark::State& state)
{
    measure(state, [](const Text& text) { return convertCharacters(text, simplifiedToTraditional); });
}

void martianTextForward(benchmark::State& state)
{
    measure(state, [](const Text& text) { return convertMartianText(text, true); });
}

void martianTextBack(benchmark::State& state)
{
    const Text martian = convertMartianText(largeGbkText(), true);
    measure(state, [&martian](const Text&) { return convertMartianText(martian, false); });
}

BENCHMARK(convertCharactersToTraditional)->ArgName("freshPages")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(martianTextForward)->ArgName("freshPages")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(martianTextBack)->ArgName("freshPages")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Keeps each run's time per iteration so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const Key key{run.run_name.args, run.run_name.function_name};
                secondsPerCall_[key] = run.real_accumulated_time / static_cast<double>(run.iterations);
                peakExtra_[key] = run.counters.at("peakExtraPerInput").value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const
    {
        std::printf("\nTime per call as a multiple of convertCharacters' (goal: 3 or less);\n"
                    "peak extra memory as a multiple of the input size:\n");
        for (const auto& [key, seconds] : secondsPerCall_) {
            const auto baseline = secondsPerCall_.find(Key{key.first, "convertCharactersToTraditional"});
            if (baseline == secondsPerCall_.end()) {
                continue;
            }
            std::printf("  %-18s %-32s time x%.2f  memory x%.2f\n", key.first.c_str(), key.second.c_str(),
                        seconds / baseline->second, peakExtra_.at(key));
        }
    }

private:
    using Key = std::pair<std::string, std::string>;  // arguments, benchmark
    std::map<Key, double> secondsPerCall_;
    std::map<Key, double> peakExtra_;
};

}  // namespace
}  // namespace harvela

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    harvela::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
