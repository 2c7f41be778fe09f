// SPDX-License-Identifier: Apache-2.0
// One keystroke on the amount page: the handler reads the amount, splits it,
// composes the integer and fraction words and writes the words box three times.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "amount/amount_in_words.h"
#include "memory_box.h"

namespace harvela {
namespace {

void keystrokeOnTheLongestAmount(benchmark::State& state)
{
    MemoryBox amountBox;
    MemoryBox wordsBox;
    AmountInWords amount(amountBox, wordsBox);
    amountBox.type("123456789012.34");
    for (auto _ : state) {
        amount.updateAmountInWords();
        wordsBox.forgetHistory();
        benchmark::DoNotOptimize(readBoxText(wordsBox));
    }
}
BENCHMARK(keystrokeOnTheLongestAmount);

// Baseline: copying the amount and its words, the least any handler must do.
void copyAmountAndWords(benchmark::State& state)
{
    const std::string amount = "123456789012.34";
    const std::string words(92, 'x');
    for (auto _ : state) {
        std::string a = amount;
        std::string w = words;
        benchmark::DoNotOptimize(a.data());
        benchmark::DoNotOptimize(w.data());
    }
}
BENCHMARK(copyAmountAndWords);

}  // namespace
}  // namespace harvela
