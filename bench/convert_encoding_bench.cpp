// SPDX-License-Identifier: Apache-2.0
// Re-encoding throughput in both directions, against one bare iconv call over
// the same buffer into an output that is already large enough.

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <string>

#include "convert/convert_encoding.h"

namespace harvela {
namespace {

// About 4 MB of GB 2312 text: Chinese sentences with ASCII punctuation and line breaks.
std::string gb2312Text()
{
    const std::string line =
        "\xce\xd2\xc3\xc7\xd4\xda\xb1\xb1\xbe\xa9\xc9\xfa\xbb\xee, "  // 我们在北京生活,
        "\xb9\xa4\xd7\xf7\xba\xcd\xd1\xa7\xcf\xb0 2026.\r\n";        // 工作和学习 2026.
    std::string text;
    while (text.size() < (4u << 20)) {
        text += line;
    }
    return text;
}

std::string utf8Text()
{
    return std::string(convertEncoding(ByteSet(gb2312Text()), kGb2312, kUtf8).bytes());
}

void reencode(benchmark::State& state, const std::string& input, const char* from, const char* to)
{
    const ByteSet data(input);
    for (auto _ : state) {
        benchmark::DoNotOptimize(convertEncoding(data, from, to));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void bareIconv(benchmark::State& state, const std::string& input, const char* from, const char* to)
{
    const iconv_t converter = iconv_open(to, from);
    std::string output(input.size() * 2, '\0');
    for (auto _ : state) {
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        benchmark::DoNotOptimize(iconv(converter, &in, &inLeft, &out, &outLeft));
        benchmark::DoNotOptimize(output.data());
    }
    iconv_close(converter);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void utf8ToGb2312(benchmark::State& state) { reencode(state, utf8Text(), kUtf8, kGb2312); }
void utf8ToGb2312BareIconv(benchmark::State& state) { bareIconv(state, utf8Text(), kUtf8, kGb2312); }
void gb2312ToUtf8(benchmark::State& state) { reencode(state, gb2312Text(), kGb2312, kUtf8); }
void gb2312ToUtf8BareIconv(benchmark::State& state) { bareIconv(state, gb2312Text(), kGb2312, kUtf8); }

BENCHMARK(utf8ToGb2312)->Unit(benchmark::kMillisecond);
BENCHMARK(utf8ToGb2312BareIconv)->Unit(benchmark::kMillisecond);
BENCHMARK(gb2312ToUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(gb2312ToUtf8BareIconv)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace harvela
