// SPDX-License-Identifier: Apache-2.0
// harvela-convert as a user runs it, on files, against the programs a user
// would run instead, in the same run on the same file:
// - to-traditional on 256 MB of UTF-8 prose, file to file, against
//   `iconv -f UTF-8 -t GB18030 | iconv -f GB18030 -t UTF-8` (the floor of any
//   GBK-table approach) and against `opencc -c s2t.json` (timed on a 16 MB
//   slice and scaled), with the program's peak RSS;
// - the same on the text in GB18030, where no decoding is needed;
// - amount on 1 M lines, against the same conversions made in this process.
// Each time is the best of a few runs, as the machine is shared; CPU times
// (all processes of a command) are less disturbed by other work than wall times.

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/amount_line.h"
#include "convert/convert_characters.h"
#include "sample_texts.h"
#include "text/gbk_codec.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kProseSize = 256u << 20;
constexpr std::size_t kOpenCcSliceSize = 16u << 20;
constexpr int kAmountLines = 1'000'000;
constexpr int kRuns = 3;
constexpr double kMegabyte = 1024.0 * 1024.0;

struct Run {
    double seconds = 0;     // wall time
    double cpuSeconds = 0;  // user + system time of every process of the command
    long peakRssKilobytes = 0;
};

// Runs the command through /bin/sh under GNU time and waits for it; exits on
// failure. The peak RSS is the one GNU time reports for the command alone: the
// rusage of a child started from this process would count this process's own
// memory until the child's exec.
Run runCommand(const std::string& command, const fs::path& folder)
{
    const fs::path report = folder / "harvela-convert-bench-rss.txt";
    const std::string timed = "/usr/bin/time -f '%M %U %S' -o '" + report.string() + "' /bin/sh -c \"" + command + "\"";
    const char* argv[] = {"/bin/sh", "-c", timed.c_str(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
        std::fprintf(stderr, "cannot start: %s\n", command.c_str());
        std::exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
    Run run{seconds, 0, 0};
    double userSeconds = 0;
    double systemSeconds = 0;
    std::ifstream(report) >> run.peakRssKilobytes >> userSeconds >> systemSeconds;
    run.cpuSeconds = userSeconds + systemSeconds;
    return run;
}

// The best of a few runs: the least disturbed by other work on the machine.
Run bestRun(const std::string& command, const fs::path& folder)
{
    Run best = runCommand(command, folder);
    for (int i = 1; i < kRuns; ++i) {
        const Run run = runCommand(command, folder);
        best.seconds = std::min(best.seconds, run.seconds);
        best.cpuSeconds = std::min(best.cpuSeconds, run.cpuSeconds);
        best.peakRssKilobytes = std::max(best.peakRssKilobytes, run.peakRssKilobytes);
    }
    return best;
}

// The benchmark's prose, repeated to size; made once and kept in the build folder.
void writeProse(const fs::path& path, std::size_t size)
{
    if (fs::exists(path) && fs::file_size(path) == size) {
        return;
    }
    const std::string& prose = harvela::sampleTexts().utf8;
    std::ofstream file(path, std::ios::binary);
    std::size_t written = 0;
    while (written < size) {
        // Cut at the last line break that fits, so no character is split.
        std::size_t take = std::min(prose.size(), size - written);
        if (take < prose.size()) {
            take = prose.rfind('\n', take - 1) + 1;
            if (take == 0) {
                break;
            }
        }
        file.write(prose.data(), static_cast<std::streamsize>(take));
        written += take;
    }
    file.close();
    fs::resize_file(path, written);
}

std::vector<std::string> amounts()
{
    std::vector<std::string> lines;
    lines.reserve(kAmountLines);
    std::uint32_t state = 2024;
    for (int i = 0; i < kAmountLines; ++i) {
        state = state * 1664525u + 1013904223u;
        std::string amount = std::to_string(state % 1000000000u);
        if (i % 2 == 0) {
            amount.push_back('.');
            amount.append(std::to_string(state % 100u));
        }
        lines.push_back(amount);
    }
    return lines;
}

// The seconds of the best of a few runs of f, in this process.
template <typename F>
double bestSeconds(F f)
{
    double best = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        f();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = run == 0 ? seconds : std::min(best, seconds);
    }
    return best;
}

// The three steps of to-traditional on UTF-8 text, each on the whole text at
// once in this process, without files or threads: what one core needs at
// least for the text, in seconds.
struct StepSeconds {
    double toGbk = 0;
    double convert = 0;
    double toUtf8 = 0;
};
StepSeconds stepSeconds(const std::string& utf8)
{
    StepSeconds steps;
    std::string gbk;
    steps.toGbk = bestSeconds([&] {
        gbk.clear();
        harvela::appendUtf8AsGbkStrict(utf8, gbk);
    });
    steps.convert = bestSeconds([&] { harvela::convertCharactersInPlace(gbk, harvela::simplifiedToTraditional); });
    std::string back;
    steps.toUtf8 = bestSeconds([&] {
        back.clear();
        harvela::appendGbkAsUtf8(gbk, back);
    });
    return steps;
}

std::string quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

}  // namespace

int main()
{
    const fs::path folder = fs::path(HARVELA_BENCH_FOLDER);
    const std::string program = quoted(HARVELA_CONVERT);
    const fs::path prose = folder / "harvela-convert-prose.txt";
    const fs::path slice = folder / "harvela-convert-prose-16mb.txt";
    const fs::path output = folder / "harvela-convert-output.txt";
    writeProse(prose, kProseSize);
    writeProse(slice, kOpenCcSliceSize);
    const double proseMegabytes = static_cast<double>(fs::file_size(prose)) / kMegabyte;
    const double sliceMegabytes = static_cast<double>(fs::file_size(slice)) / kMegabyte;

    runCommand("cat " + quoted(prose) + " > /dev/null", folder);  // into the page cache
    const Run ours = bestRun(program + " to-traditional " + quoted(prose) + " -o " + quoted(output), folder);
    const Run iconvPipeline = bestRun("iconv -f UTF-8 -t GB18030 " + quoted(prose)
                                      + " | iconv -f GB18030 -t UTF-8 > " + quoted(output), folder);
    const Run openCc = bestRun("opencc -c s2t.json -i " + quoted(slice) + " -o " + quoted(output), folder);
    const double openCcSecondsScaled = openCc.seconds * proseMegabytes / sliceMegabytes;
    // The same text already in GB18030: no decoding, only the character tables.
    const fs::path proseGb18030 = folder / "harvela-convert-prose-gb18030.txt";
    runCommand("iconv -f UTF-8 -t GB18030 " + quoted(prose) + " > " + quoted(proseGb18030), folder);
    const Run oursGb18030 =
        bestRun(program + " to-traditional --encoding GB18030 " + quoted(proseGb18030) + " -o " + quoted(output),
                folder);

    std::printf("to-traditional, %.0f MB UTF-8 prose, file to file: %.2f s, %.0f MB/s\n", proseMegabytes,
                ours.seconds, proseMegabytes / ours.seconds);
    std::printf("  against iconv UTF-8 -> GB18030 | iconv GB18030 -> UTF-8: %.2f s; ratio %.2fx its time, "
                "%.2fx its CPU time (%.1f s against %.1f s)\n",
                iconvPipeline.seconds, ours.seconds / iconvPipeline.seconds,
                ours.cpuSeconds / iconvPipeline.cpuSeconds, ours.cpuSeconds, iconvPipeline.cpuSeconds);
    const double openCcCpuSecondsScaled = openCc.cpuSeconds * proseMegabytes / sliceMegabytes;
    std::printf("  against opencc -c s2t.json (16 MB slice, scaled): %.1f s; %.0fx faster, %.0fx in CPU time\n",
                openCcSecondsScaled, openCcSecondsScaled / ours.seconds, openCcCpuSecondsScaled / ours.cpuSeconds);
    std::printf("  peak RSS %.1f MB (goal < 64 MB)\n", static_cast<double>(ours.peakRssKilobytes) / 1024.0);
    {
        std::ifstream file(slice, std::ios::binary);
        const std::string sliceText((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        const StepSeconds steps = stepSeconds(sliceText);
        const double scale = proseMegabytes / sliceMegabytes;
        const double total = (steps.toGbk + steps.convert + steps.toUtf8) * scale;
        std::printf("  the steps alone in this process, scaled to the file: UTF-8 -> GB18030 %.0f MB/s, characters "
                    "%.0f MB/s, GB18030 -> UTF-8 %.0f MB/s; %.2f s on one core, %.0fx faster than opencc\n",
                    sliceMegabytes / steps.toGbk, sliceMegabytes / steps.convert, sliceMegabytes / steps.toUtf8,
                    total, openCcSecondsScaled / total);
    }
    std::printf("to-traditional --encoding GB18030, the same text: %.2f s; %.0fx faster than opencc on the UTF-8 "
                "text\n",
                oursGb18030.seconds, openCcSecondsScaled / oursGb18030.seconds);

    const std::vector<std::string> lines = amounts();
    const fs::path amountFile = folder / "harvela-convert-amounts.txt";
    {
        std::ofstream file(amountFile, std::ios::binary);
        for (const std::string& line : lines) {
            file << line << '\n';
        }
    }
    const Run amountRun = bestRun(program + " amount < " + quoted(amountFile) + " > /dev/null", folder);
    std::size_t wordBytes = 0;
    double inProcess = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        wordBytes = 0;
        for (const std::string& line : lines) {
            wordBytes += harvela::cli::amountInWords(line).words.bytes().size();
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        inProcess = run == 0 ? seconds : std::min(inProcess, seconds);
    }
    std::printf("amount, %d lines: %.2f s, %.0f lines/s; %.2fx the time of the same conversions in one process "
                "(%zu bytes of words)\n",
                kAmountLines, amountRun.seconds, kAmountLines / amountRun.seconds, amountRun.seconds / inProcess,
                wordBytes);
    fs::remove(output);
    fs::remove(proseGb18030);
    return 0;
}
