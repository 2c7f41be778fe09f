// SPDX-License-Identifier: Apache-2.0
// Simplified <-> traditional throughput on 16 MB of ordinary GBK text, against
// two baselines run in the same process: memcpy of the same buffer (the floor)
// and OpenCC's own converter with s2t.json on the same text in UTF-8 (what a
// user would pick instead). Every benchmark counts the bytes of the GBK text,
// so the rates compare the same text.

#include <benchmark/benchmark.h>
#include <opencc/SimpleConverter.hpp>

#include <cstdint>
#include <cstring>
#include <string>

#include "convert/convert_characters.h"
#include "sample_texts.h"

namespace harvela {
namespace {

const SampleTexts& texts()
{
    return sampleTexts();
}

void countGbkBytes(benchmark::State& state)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(texts().gbk.size()));
}

void convertToTraditional(benchmark::State& state)
{
    const Text text(texts().gbk);
    for (auto _ : state) {
        benchmark::DoNotOptimize(convertCharacters(text, simplifiedToTraditional));
    }
    countGbkBytes(state);
}

void convertToSimplified(benchmark::State& state)
{
    const Text text = convertCharacters(Text(texts().gbk), simplifiedToTraditional);
    for (auto _ : state) {
        benchmark::DoNotOptimize(convertCharacters(text, traditionalToSimplified));
    }
    countGbkBytes(state);
}

void memcpyFloor(benchmark::State& state)
{
    const std::string& input = texts().gbk;
    std::string output(input.size(), '\0');
    for (auto _ : state) {
        std::memcpy(output.data(), input.data(), input.size());
        benchmark::DoNotOptimize(output.data());
        benchmark::ClobberMemory();
    }
    countGbkBytes(state);
}

void openccS2t(benchmark::State& state)
{
    const opencc::SimpleConverter converter(HARVELA_OPENCC_S2T);
    const std::string& input = texts().utf8;
    for (auto _ : state) {
        benchmark::DoNotOptimize(converter.Convert(input.data(), input.size()));
    }
    countGbkBytes(state);
}

BENCHMARK(convertToTraditional)->Unit(benchmark::kMillisecond);
BENCHMARK(convertToSimplified)->Unit(benchmark::kMillisecond);
BENCHMARK(memcpyFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(openccS2t)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace harvela
