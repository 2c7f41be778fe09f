// SPDX-License-Identifier: Apache-2.0
#include "cli/commands.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "cli/amount_line.h"
#include "cli/input_file.h"
#include "cli/output_file.h"
#include "cli/progress.h"
#include "cli/text_codec.h"
#include "text/gbk_codec.h"

namespace harvela::cli {

namespace {

void report(const std::string& problem)
{
    std::fprintf(stderr, "harvela-convert: %s\n", problem.c_str());
}

int finish(OutputFile& output, bool succeeded)
{
    if (!output.finish(succeeded)) {
        report(output.error());
        return kExitFailed;
    }
    return succeeded ? kExitSuccess : kExitFailed;
}

std::vector<std::string> inputsOf(const RunOptions& options)
{
    return options.inputs.empty() ? std::vector<std::string>{"-"} : options.inputs;
}

// -o must not name a file that is being read: it would be replaced while read.
bool outputIsAnInput(const RunOptions& options, const std::vector<std::string>& inputs)
{
    if (options.outputPath.empty()) {
        return false;
    }
    const std::optional<FileIdentity> output = identityOf(options.outputPath);
    if (!output) {
        return false;
    }
    for (const std::string& input : inputs) {
        if (identityOf(input) == output) {
            report("-o " + options.outputPath + ": is also an input; the output must go to another file");
            return true;
        }
    }
    return false;
}

// The output, or nothing (and the reason reported) when it cannot be opened.
std::unique_ptr<OutputFile> openOutput(const RunOptions& options, OutputFile::Delivery delivery)
{
    auto output = options.outputPath.empty() ? std::make_unique<OutputFile>(delivery)
                                             : std::make_unique<OutputFile>(options.outputPath);
    if (!output->error().empty()) {
        report(output->error());
        return nullptr;
    }
    return output;
}

// Runs steps over every input in turn, like cat; an input that fails is
// reported and the others are still converted, but then nothing is delivered
// to -o.
int runInChunks(const ChunkSteps& steps, const RunOptions& options, OutputFile::Delivery delivery)
{
    const std::vector<std::string> inputs = inputsOf(options);
    if (outputIsAnInput(options, inputs)) {
        return kExitUsage;
    }
    const std::unique_ptr<OutputFile> output = openOutput(options, delivery);
    if (!output) {
        return kExitFailed;
    }
    bool failed = false;
    for (const std::string& path : inputs) {
        InputFile input(path);
        std::string problem;
        {
            Progress progress(!options.quiet, input.regularFileSize());
            problem = convertInChunks(input, *output, steps, options.chunkSize, progress);
        }
        if (!problem.empty()) {
            report(problem);
            failed = true;
            if (!output->error().empty()) {
                break;  // nothing more can be written
            }
        }
    }
    return finish(*output, !failed);
}

// No amount is this long; of a longer line only this much is kept, so that a
// file without line breaks is read with bounded memory.
constexpr std::size_t kLongestLineKept = 256;

// Reads lines from input, without their "\n" or "\r\n".
template <typename F>
std::string forEachLine(InputFile& input, std::size_t chunkSize, F f)
{
    std::string buffer;
    std::size_t lineStart = 0;
    bool cutting = false;  // the line being read is longer than kept; its rest is dropped
    for (;;) {
        buffer.erase(0, lineStart);
        lineStart = 0;
        const std::size_t got = input.readInto(buffer, chunkSize);
        if (!input.error().empty()) {
            return input.name() + ": " + input.error();
        }
        if (cutting) {
            const std::size_t end = buffer.find('\n', kLongestLineKept);
            buffer.erase(kLongestLineKept, end == std::string::npos ? std::string::npos : end - kLongestLineKept);
            cutting = end == std::string::npos;
        }
        for (std::size_t end; (end = buffer.find('\n', lineStart)) != std::string::npos; lineStart = end + 1) {
            std::string_view line(buffer.data() + lineStart, end - lineStart);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            f(line);
        }
        if (got == 0) {
            if (lineStart < buffer.size()) {
                f(std::string_view(buffer).substr(lineStart));  // a last line without "\n"
            }
            return {};
        }
        if (buffer.size() - lineStart > kLongestLineKept) {
            buffer.resize(lineStart + kLongestLineKept);
            cutting = true;
        }
    }
}

}  // namespace

int runTextFilter(TextConversion conversion, const RunOptions& options)
{
    const std::unique_ptr<TextCodec> codec = TextCodec::forEncoding(options.encoding);
    if (!codec) {
        report("--encoding " + options.encoding + ": unknown encoding");
        return kExitUsage;
    }
    return runInChunks(textFilterSteps(*codec, conversion), options, OutputFile::Delivery::AsItComes);
}

int runReencoding(Reencoding reencoding, const RunOptions& options)
{
    return runInChunks(reencodingSteps(reencoding), options, OutputFile::Delivery::AllOrNothing);
}

int runAmount(const std::vector<std::string>& amounts, const RunOptions& options)
{
    if (amounts.empty() && outputIsAnInput(options, {"-"})) {
        return kExitUsage;
    }
    const std::unique_ptr<OutputFile> output = openOutput(options, OutputFile::Delivery::AsItComes);
    if (!output) {
        return kExitFailed;
    }
    bool failed = false;
    // A failed amount leaves its line empty, so that output lines stay in step with the amounts.
    const auto convert = [&](std::string_view amount, const std::string& where) {
        AmountOutcome outcome = amountInWords(amount);
        if (!outcome.problem.empty()) {
            report(where + "\"" + std::string(amount) + "\": " + outcome.problem);
            failed = true;
        }
        output->write(gbkToUtf8(outcome.words.bytes()) + "\n");
    };
    if (!amounts.empty()) {
        for (const std::string& amount : amounts) {
            convert(amount, "");
        }
    } else {
        InputFile input("-");
        std::size_t lineNumber = 0;
        const std::string problem = forEachLine(input, options.chunkSize, [&](std::string_view line) {
            convert(line, input.name() + ":" + std::to_string(++lineNumber) + ": ");
        });
        if (!problem.empty()) {
            report(problem);
            failed = true;
        }
    }
    return finish(*output, !failed);
}

}  // namespace harvela::cli
