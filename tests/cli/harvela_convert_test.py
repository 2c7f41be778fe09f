#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""harvela-convert through the real program: a table of command lines, each
with its input files and standard input, and the output, exit status, messages
and files it must leave behind."""

import os
import pty
import re
import stat
import subprocess
import sys
import tempfile
import threading
import unittest

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "harvela-convert"
SHARE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "cli", "share")

SIMPLIFIED = "头发和面条\r\n“你好”‘世界’ 后台 里面\n".encode()
TRADITIONAL = "頭發和面條\r\n『你好』「世界」 後臺 裡面\n".encode()
# An emoji and a CJK Extension B character, neither of them in GBK, around
# characters that do change.
OUTSIDE_GBK = "里🎉面𠀀干净\n".encode()
OUTSIDE_GBK_TRADITIONAL = "裡🎉面𠀀乾淨\n".encode()
MARTIAN_PLAIN = "大家好，我们是火星人。".encode()
MARTIAN = "𠂇傢ぬ，我們是吙煋亽。".encode()
GB2312_HELLO = b"\xc4\xe3\xba\xc3"  # 你好

# Each case: args, stdin, files to create ({name: bytes}), and what must come
# out: status, stdout (None: not checked), words stderr must contain, files
# that must then hold given bytes ({name: bytes}). "{dir}" in an argument is
# the case's folder.
CASES = [
    # The amount page, from arguments and from lines of standard input.
    dict(args=["amount", "12", "12.5", "-12", "0.00", "12."],
         stdout="壹拾贰元整\n壹拾贰元伍角整\n负壹拾贰元整\n零元零角零分\n壹拾贰元整\n".encode()),
    dict(args=["amount"], stdin=b"1\r\n2.567\n3\n",
         status=1, stdout="壹元整\n\n叁元整\n".encode(),
         stderr=["(standard input):2", "2.567", "more than two decimals"]),
    dict(args=["amount", "1234567890123", "abc", "5"], status=1, stdout="\n\n伍元整\n".encode(),
         stderr=["太多了，还没见到过这么多钱。", '"abc": not an amount']),
    # A line far longer than any amount is kept only in part, and the next line is still read.
    dict(args=["amount", "--chunk-size", "7"], stdin=b"5" * 3000 + b"\n2\n", status=1,
         stdout="\n贰元整\n".encode(), stderr=["(standard input):1"]),
    dict(args=["amount", "-o", "{dir}/words.txt", "7"], stdout=b"", after={"words.txt": "柒元整\n".encode()}),

    # Text filters: files, standard input, "-", -o, two files in a row.
    dict(args=["to-traditional", "{dir}/a.txt"], files={"a.txt": SIMPLIFIED}, stdout=TRADITIONAL),
    dict(args=["to-traditional"], stdin=SIMPLIFIED, stdout=TRADITIONAL),
    dict(args=["to-traditional", "-"], stdin=SIMPLIFIED, stdout=TRADITIONAL),
    dict(args=["to-traditional", "{dir}/a.txt", "-", "{dir}/b.txt"], stdin=b"-\n",
         files={"a.txt": SIMPLIFIED, "b.txt": "发".encode()}, stdout=TRADITIONAL + b"-\n" + "發".encode()),
    dict(args=["to-traditional", "-o", "{dir}/out.txt", "{dir}/a.txt"], files={"a.txt": SIMPLIFIED},
         stdout=b"", after={"out.txt": TRADITIONAL, "a.txt": SIMPLIFIED}),
    dict(args=["to-simplified", "{dir}/a.txt"], files={"a.txt": TRADITIONAL},
         stdout="头发和面条\r\n“你好”‘世界’ 后台 里面\n".encode()),
    dict(args=["to-martian"], stdin=MARTIAN_PLAIN, stdout=MARTIAN),
    dict(args=["from-martian"], stdin=MARTIAN, stdout=MARTIAN_PLAIN),
    # Characters outside GBK, a byte-order mark, line endings and zero bytes come through.
    dict(args=["to-traditional"], stdin=OUTSIDE_GBK, stdout=OUTSIDE_GBK_TRADITIONAL),
    dict(args=["to-traditional"], stdin=b"\xef\xbb\xbf" + "后\r\n\0后\r".encode(),
         stdout=b"\xef\xbb\xbf" + "後\r\n\0後\r".encode()),
    dict(args=["to-traditional", "--encoding", "GBK"], stdin=b"\xba\xf3\xcc\xa8\r\n", stdout=b"\xe1\xe1\xc5\x5f\r\n"),
    dict(args=["to-traditional", "--encoding", "utf-16le"], stdin="后台".encode("utf-16le"),
         stdout="後臺".encode("utf-16le")),
    dict(args=["to-traditional", "--encoding", "GB2312"], stdin=b"\xcc\xa8", status=1,
         stderr=["has no form in GB2312"]),  # 臺 is not in GB2312
    dict(args=["to-traditional", "--encoding", "BIG5"], stdin="里".encode("big5"), stdout="裡".encode("big5")),

    # The re-encoding: all or nothing.
    dict(args=["utf8-to-gb2312"], stdin="你好".encode(), stdout=GB2312_HELLO),
    dict(args=["gb2312-to-utf8", "{dir}/g.txt"], files={"g.txt": GB2312_HELLO}, stdout="你好".encode()),
    dict(args=["utf8-to-gb2312"], stdin="你好愛".encode(), status=1, stdout=b"",
         stderr=["(standard input): byte 6: cannot be converted from UTF-8 to GB2312"]),
    dict(args=["utf8-to-gb2312", "{dir}/a.txt", "{dir}/bad.txt"],
         files={"a.txt": "你好".encode(), "bad.txt": b"ok\xff"}, status=1, stdout=b"",
         stderr=["bad.txt: byte 2"]),
    dict(args=["gb2312-to-utf8", "-o", "{dir}/out.txt"], stdin=b"\x90\xdb", files={"out.txt": b"kept"},
         status=1, stderr=["byte 0"], after={"out.txt": b"kept"}),

    # Failed conversions: status 1, the file and byte offset named, -o untouched.
    dict(args=["to-traditional", "{dir}/missing.txt"], status=1, stderr=["missing.txt", "No such file"]),
    dict(args=["to-traditional", "{dir}/bad.txt"], files={"bad.txt": "头发".encode() + b"\xe4\xbd"},
         status=1, stderr=["bad.txt: byte 6: not valid UTF-8"]),
    dict(args=["to-traditional", "--encoding", "GBK", "{dir}/bad.txt"], files={"bad.txt": b"ab\x80"},
         status=1, stderr=["bad.txt: byte 2: not valid GBK"]),
    dict(args=["to-traditional", "-o", "{dir}/out.txt", "{dir}/a.txt", "{dir}/bad.txt"],
         files={"a.txt": SIMPLIFIED, "bad.txt": b"\xff", "out.txt": b"previous"},
         status=1, stderr=["bad.txt: byte 0"], after={"out.txt": b"previous"}),
    dict(args=["to-traditional", "-o", "{dir}/out.txt", "{dir}/missing.txt"], files={"out.txt": b"previous"},
         status=1, stderr=["missing.txt"], after={"out.txt": b"previous"}),
    dict(args=["to-traditional", "-o", "{dir}/nofolder/out.txt"], stdin=b"x", status=1, stderr=["nofolder"]),

    # Usage errors: status 2.
    dict(args=[], status=2),
    dict(args=["bogus"], status=2, stderr=['unknown command "bogus"']),
    dict(args=["to-traditional", "--bogus"], status=2),
    dict(args=["to-traditional", "--encoding", "NO-SUCH-ENCODING"], stdin=b"x", status=2,
         stderr=["unknown encoding"]),
    dict(args=["to-traditional", "-o", "{dir}/a.txt", "{dir}/a.txt"], files={"a.txt": SIMPLIFIED},
         status=2, stderr=["is also an input"], after={"a.txt": SIMPLIFIED}),
    dict(args=["to-traditional", "-o", "{dir}/link.txt", "{dir}/a.txt"], files={"a.txt": SIMPLIFIED},
         link=("a.txt", "link.txt"), status=2, stderr=["is also an input"], after={"a.txt": SIMPLIFIED}),

    # Help in Chinese and English for the program and each command; the version.
    dict(args=["--help"], stdout_has=["简繁转换", "simplified <-> traditional", "amount", "utf8-to-gb2312"]),
    dict(args=["amount", "--help"], stdout_has=["人民币大写", "financial capitals"]),
    dict(args=["to-traditional", "--help"], stdout_has=["简体转繁体", "Simplified to traditional", "--encoding"]),
    dict(args=["to-simplified", "--help"], stdout_has=["繁体转简体", "Traditional to simplified"]),
    dict(args=["to-martian", "--help"], stdout_has=["火星文", "Martian"]),
    dict(args=["from-martian", "--help"], stdout_has=["火星文", "Martian"]),
    dict(args=["utf8-to-gb2312", "--help"], stdout_has=["字节位置", "byte offset"]),
    dict(args=["gb2312-to-utf8", "--help"], stdout_has=["字节位置", "byte offset"]),
    dict(args=["--version"], stdout_has=["harvela-convert "]),
]


class HarvelaConvert(unittest.TestCase):
    def run_case(self, case):
        with tempfile.TemporaryDirectory() as folder:
            for name, content in case.get("files", {}).items():
                with open(os.path.join(folder, name), "wb") as file:
                    file.write(content)
            if "link" in case:
                os.link(os.path.join(folder, case["link"][0]), os.path.join(folder, case["link"][1]))
            args = [a.replace("{dir}", folder) for a in case["args"]]
            result = subprocess.run([PROGRAM, *args], input=case.get("stdin", b""), capture_output=True,
                                    timeout=60)
            stderr = result.stderr.decode(errors="replace")
            self.assertEqual(result.returncode, case.get("status", 0), stderr)
            if "stdout" in case:
                self.assertEqual(result.stdout, case["stdout"])
            for words in case.get("stdout_has", []):
                self.assertIn(words, result.stdout.decode())
            for words in case.get("stderr", []):
                self.assertIn(words, stderr)
            for name, content in case.get("after", {}).items():
                with open(os.path.join(folder, name), "rb") as file:
                    self.assertEqual(file.read(), content, name)
            # No temporary file is left behind, whatever happened.
            expected = set(case.get("files", {})) | set(case.get("after", {}))
            if "link" in case:
                expected.add(case["link"][1])
            self.assertEqual(set(os.listdir(folder)), expected)

    def test_table(self):
        for number, case in enumerate(CASES):
            with self.subTest(number=number, args=case["args"]):
                self.run_case(case)

    def test_man_page_and_completion_know_every_command(self):
        help_text = subprocess.run([PROGRAM, "--help"], capture_output=True, check=True).stdout.decode()
        commands = set(re.findall(r"^  ([a-z0-9-]+) ", help_text.split("Subcommands:")[1], re.MULTILINE))
        self.assertEqual(len(commands), 7)
        with open(os.path.join(SHARE, "harvela-convert.bash-completion"), encoding="utf-8") as file:
            completed = set(re.search(r'commands="([^"]*)"', file.read()).group(1).split())
        self.assertEqual(completed, commands)
        with open(os.path.join(SHARE, "harvela-convert.1"), encoding="utf-8") as file:
            documented = set(re.findall(r"^\.B ([a-z0-9-]+)", file.read(), re.MULTILINE))
        self.assertLessEqual(commands, documented)

    def test_a_full_disk_is_a_failure(self):
        with open("/dev/full", "wb") as full:
            result = subprocess.run([PROGRAM, "to-traditional"], input=SIMPLIFIED, stdout=full,
                                    stderr=subprocess.PIPE, timeout=60)
        self.assertEqual(result.returncode, 1)
        self.assertIn("No space left on device", result.stderr.decode())

    def test_a_pipe_named_with_o_is_written_to_and_stays_a_pipe(self):
        with tempfile.TemporaryDirectory() as folder:
            fifo = os.path.join(folder, "pipe")
            os.mkfifo(fifo)
            received = []
            reader = threading.Thread(target=lambda: received.append(open(fifo, "rb").read()), daemon=True)
            reader.start()
            result = subprocess.run([PROGRAM, "to-traditional", "-o", fifo], input=SIMPLIFIED,
                                    capture_output=True, timeout=60)
            reader.join(timeout=5)
            self.assertEqual(result.returncode, 0, result.stderr.decode(errors="replace"))
            self.assertEqual(received, [TRADITIONAL])
            self.assertTrue(stat.S_ISFIFO(os.stat(fifo).st_mode))
            self.assertEqual(os.listdir(folder), ["pipe"])

    def test_a_symbolic_link_named_with_o_stays_and_its_file_is_replaced(self):
        with tempfile.TemporaryDirectory() as folder:
            target = os.path.join(folder, "out.txt")
            link = os.path.join(folder, "link.txt")
            with open(target, "wb") as file:
                file.write(b"previous")
            os.symlink("out.txt", link)
            result = subprocess.run([PROGRAM, "to-traditional", "-o", link], input=SIMPLIFIED,
                                    capture_output=True, timeout=60)
            self.assertEqual(result.returncode, 0, result.stderr.decode(errors="replace"))
            self.assertTrue(os.path.islink(link))
            with open(target, "rb") as file:
                self.assertEqual(file.read(), TRADITIONAL)
            self.assertEqual(sorted(os.listdir(folder)), ["link.txt", "out.txt"])

    def test_progress_line_only_on_a_terminal_and_not_when_quiet(self):
        with tempfile.TemporaryDirectory() as folder:
            big = os.path.join(folder, "big.txt")
            with open(big, "wb") as file:
                file.write(b"abc\n" * (16 << 20))  # 64 MB
            command = [PROGRAM, "to-traditional", big, "-o", big + ".out"]
            for quiet, terminal, shown in [(False, True, True), (True, True, False), (False, False, False)]:
                with self.subTest(quiet=quiet, terminal=terminal):
                    self.assertEqual(self.stderr_of(command + (["--quiet"] if quiet else []), terminal) != b"",
                                     shown)
                    self.assertEqual(os.path.getsize(big + ".out"), 64 << 20)

    def stderr_of(self, command, terminal):
        """What the command writes to standard error, a terminal or a pipe."""
        if not terminal:
            result = subprocess.run(command, capture_output=True, timeout=300)
            self.assertEqual(result.returncode, 0)
            return result.stderr
        controller, terminal_end = pty.openpty()
        process = subprocess.Popen(command, stderr=terminal_end, stdout=subprocess.DEVNULL)
        os.close(terminal_end)
        written = b""
        while True:
            try:
                data = os.read(controller, 4096)
            except OSError:  # the terminal closed with the program
                break
            if not data:
                break
            written += data
        os.close(controller)
        self.assertEqual(process.wait(timeout=300), 0)
        if written:
            self.assertIn(b"%", written)
            self.assertIn(b"MB/s", written)
            self.assertTrue(written.endswith(b"\r\x1b[K"), written)  # cleared at the end
        return written


if __name__ == "__main__":
    unittest.main()
