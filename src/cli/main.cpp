// SPDX-License-Identifier: Apache-2.0
// harvela-convert: the conversions of the Harvela window, for files and pipes.

#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace {

using namespace harvela::cli;

constexpr const char* kProgramHelp =
    "Harvela 的四种转换，用于文件和管道：人民币金额大写、简繁转换、火星文、UTF-8 与 GB2312 互转。\n"
    "读取所给文件（依次，如 cat），没有文件或文件为 - 时读取标准输入；写到标准输出或 -o 文件。\n"
    "退出状态：0 成功，1 转换失败，2 用法错误。\n\n"
    "The four conversions of Harvela for files and pipes: amounts in Chinese capitals, simplified <-> "
    "traditional, Martian text, UTF-8 <-> GB2312.\n"
    "Reads the named files in order (like cat), or standard input when there are none or a file is -; "
    "writes to standard output or to -o FILE.\n"
    "Exit status: 0 success, 1 a failed conversion, 2 a usage error.";

constexpr const char* kFooter =
    "每个命令的说明见 / Help on a command: harvela-convert COMMAND --help";

// A command and the conversion it runs.
template <typename Conversion>
struct Command {
    const char* name;
    const char* help;
    Conversion conversion;
};

void addOutputOptions(CLI::App& command, RunOptions& options)
{
    command.add_option("-o,--output", options.outputPath,
                       "写到此文件（成功后才替换它）\nWrite to FILE (replaced only on success)")
        ->type_name("FILE");
    command.add_flag("-q,--quiet", options.quiet, "不显示进度行\nShow no progress line");
    command.add_option("--chunk-size", options.chunkSize, "bytes read at a time")
        ->group("")  // for tests: small pieces show that cutting changes nothing
        ->check(CLI::Range(std::size_t{1}, std::size_t{1} << 30));
}

void addInputFiles(CLI::App& command, RunOptions& options)
{
    command.add_option("FILE", options.inputs, "输入文件，- 为标准输入\nInput files; - is standard input");
}

bool isCommand(const CLI::App& app, const std::string& name)
{
    try {
        app.get_subcommand(name);
        return true;
    } catch (const CLI::OptionNotFound&) {
        return false;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app(kProgramHelp, "harvela-convert");
    app.set_version_flag("--version", std::string("harvela-convert ") + HARVELA_VERSION,
                         "显示版本 / Show the version");
    app.set_help_flag("-h,--help", "显示帮助 / Show this help");
    app.footer(kFooter);
    app.require_subcommand(1);

    RunOptions options;
    int status = kExitSuccess;

    CLI::App* amount = app.add_subcommand(
        "amount",
        "把金额转为人民币大写，与金额页所显示的完全相同；每个参数（无参数时每行输入）得一行。\n"
        "Writes each amount in Chinese financial capitals, exactly as the amount page shows it: one line per "
        "argument, or per line of standard input when there is none.");
    std::vector<std::string> amounts;
    amount->add_option("AMOUNT", amounts, "金额，如 12.5 或 -3\nAmounts such as 12.5 or -3");
    addOutputOptions(*amount, options);
    amount->callback([&] { status = runAmount(amounts, options); });

    const Command<TextConversion> textCommands[] = {
        {"to-traditional", "简体转繁体（与 简→繁 按钮相同）\nSimplified to traditional (as the 简→繁 button)",
         TextConversion::toTraditional},
        {"to-simplified", "繁体转简体（与 繁→简 按钮相同）\nTraditional to simplified (as the 繁→简 button)",
         TextConversion::toSimplified},
        {"to-martian", "简体转火星文\nOrdinary text to Martian text", TextConversion::toMartian},
        {"from-martian", "火星文转简体\nMartian text back to ordinary text", TextConversion::fromMartian},
    };
    for (const auto& entry : textCommands) {
        CLI::App* command = app.add_subcommand(entry.name, entry.help);
        command->add_option("--encoding", options.encoding,
                            "输入与输出的编码：UTF-8（默认）、GBK、GB18030 或 iconv 认识的任何名称\n"
                            "Encoding of input and output: UTF-8 (default), GBK, GB18030 or any name iconv knows")
            ->type_name("ENC");
        addOutputOptions(*command, options);
        addInputFiles(*command, options);
        const TextConversion conversion = entry.conversion;
        command->callback([&options, &status, conversion] { status = runTextFilter(conversion, options); });
    }

    const Command<Reencoding> reencodings[] = {
        {"utf8-to-gb2312",
         "把字节从 UTF-8 转为 GB2312；全部成功才写出，否则报告出错的字节位置\n"
         "Re-encodes bytes from UTF-8 to GB2312; all or nothing, a failure names the byte offset",
         Reencoding::utf8ToGb2312},
        {"gb2312-to-utf8",
         "把字节从 GB2312 转为 UTF-8；全部成功才写出，否则报告出错的字节位置\n"
         "Re-encodes bytes from GB2312 to UTF-8; all or nothing, a failure names the byte offset",
         Reencoding::gb2312ToUtf8},
    };
    for (const auto& entry : reencodings) {
        CLI::App* command = app.add_subcommand(entry.name, entry.help);
        addOutputOptions(*command, options);
        addInputFiles(*command, options);
        const Reencoding reencoding = entry.conversion;
        command->callback([&options, &status, reencoding] { status = runReencoding(reencoding, options); });
    }

    if (argc > 1 && argv[1][0] != '-' && !isCommand(app, argv[1])) {
        std::fprintf(stderr, "harvela-convert: unknown command \"%s\"\nRun with --help for more information.\n",
                     argv[1]);
        return kExitUsage;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }
    return status;
}
