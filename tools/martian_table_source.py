#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""Writes the C++ header that holds the two 7000-byte Martian tables.

Run by the build: commonCharTable comes from data/common-chars-3500.txt (each
character in GBK), martianCharTable from the martian codes of
data/martian-table.txt. The build fails when the two files disagree.

Usage: martian_table_source.py COMMON_CHARS MARTIAN_TABLE OUTPUT_HEADER
"""

import pathlib
import sys

ENTRY_COUNT = 3500
ENTRIES_PER_LINE = 10


def fail(message):
    print(f"martian_table_source: {message}", file=sys.stderr)
    sys.exit(1)


def two_bytes(code, where):
    try:
        encoded = bytes.fromhex(code)
    except ValueError:
        encoded = b""
    if len(encoded) != 2 or encoded[0] < 0x81 or encoded[0] > 0xFE or encoded[1] < 0x40:
        fail(f"{where}: {code!r} is not a two-byte GBK code")
    return encoded


def read_common(path):
    lines = path.read_text(encoding="utf-8").splitlines()
    if len(lines) != ENTRY_COUNT:
        fail(f"{path}: {len(lines)} lines, expected {ENTRY_COUNT}")
    codes = []
    for number, character in enumerate(lines, start=1):
        try:
            encoded = character.encode("gbk")
        except UnicodeEncodeError:
            encoded = b""
        codes.append(two_bytes(encoded.hex(), f"{path}:{number}"))
    return codes


def read_martian(path, common_codes):
    codes = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split()
        where = f"{path}:{number}"
        if len(fields) < 5 or fields[0] != str(len(codes) + 1):
            fail(f"{where}: expected entry {len(codes) + 1}")
        if len(codes) >= ENTRY_COUNT or two_bytes(fields[3], where) != common_codes[len(codes)]:
            fail(f"{where}: the common character differs from data/common-chars-3500.txt")
        codes.append(two_bytes(fields[4], where))
    if len(codes) != ENTRY_COUNT:
        fail(f"{path}: {len(codes)} entries, expected {ENTRY_COUNT}")
    return codes


def literal(name, codes):
    lines = [f"inline constexpr std::string_view {name} ="]
    for start in range(0, len(codes), ENTRIES_PER_LINE):
        chunk = codes[start:start + ENTRIES_PER_LINE]
        escaped = "".join(f"\\x{byte:02X}" for code in chunk for byte in code)
        lines.append(f'    "{escaped}"  // {start + 1}-{start + len(chunk)}')
    lines[-1] = lines[-1].replace('"  //', '";  //', 1)
    return "\n".join(lines)


def main():
    if len(sys.argv) != 4:
        fail(__doc__.strip().splitlines()[-1])
    common_path, martian_path, output_path = map(pathlib.Path, sys.argv[1:])
    common_codes = read_common(common_path)
    martian_codes = read_martian(martian_path, common_codes)
    header = "\n".join([
        "#pragma once",
        "",
        "// Generated at build time by tools/martian_table_source.py from",
        "// data/common-chars-3500.txt and data/martian-table.txt; do not edit.",
        "",
        "#include <string_view>",
        "",
        "namespace harvela::martian_table_data {",
        "",
        literal("commonChars", common_codes),
        "",
        literal("martianChars", martian_codes),
        "",
        "}  // namespace harvela::martian_table_data",
        "",
    ])
    output_path.parent.mkdir(parents=True, exist_ok=True)
    output_path.write_text(header, encoding="utf-8")


if __name__ == "__main__":
    main()
