#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""Derives the Martian look-alike of each of the 3500 common characters.

Reads  data/common-chars-3500.txt        the common characters, line k = entry k
       data/martian-fixed.txt            look-alikes chosen by hand
       data/simplified-to-traditional.txt the kind-4 (simplified -> traditional) mapping
       Unihan_Variants.txt.bz2           Unicode's variant data (Debian unicode-data)
Writes data/martian-table.txt            one entry a line, in entry order

A fixed entry stands as it is. Every other entry takes the first candidate that
qualifies: (a) the character's kind-4 traditional form, where it differs;
(b) its Unihan variants, kSemanticVariant, kZVariant, kSpecializedSemanticVariant,
kTraditionalVariant in that order. A candidate qualifies when it has a two-byte
GBK code, is not itself a common character and is not yet taken by another
entry. (c) With no qualifying candidate the entry keeps its common character.

With --check nothing is written; the exit status is 1, naming the file, when
the committed data differs from what would be generated.
"""

import argparse
import collections
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import gbk_layout as gbk  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent
COMMON_PATH = ROOT / "data" / "common-chars-3500.txt"
FIXED_PATH = ROOT / "data" / "martian-fixed.txt"
TRADITIONAL_PATH = ROOT / "data" / "simplified-to-traditional.txt"
OUTPUT_PATH = ROOT / "data" / "martian-table.txt"

ENTRY_COUNT = 3500
SHARED_CODE_COUNT = 35
VARIANT_FIELDS = ("kSemanticVariant", "kZVariant", "kSpecializedSemanticVariant", "kTraditionalVariant")
# Written in place of a character for a code that GBK gives no character.
NO_CHARACTER = "-"


class DataError(Exception):
    pass


def data_lines(path):
    """The (line number, fields) of every line that is neither blank nor a comment."""
    with open(path, encoding="utf-8") as file:
        for number, line in enumerate(file, start=1):
            line = line.strip()
            if line and not line.startswith("#"):
                yield number, line.split()


def gbk_code(character):
    """The character's two-byte GBK code as four upper-case hex digits, or None."""
    code = gbk.code_of(character)
    return None if code is None else f"{code:04X}"


def is_two_byte_code(code):
    """A code the lead-byte rule reads as one character and a GBK table can hold."""
    if len(code) != 4:
        return False
    try:
        lead, trail = bytes.fromhex(code)
    except ValueError:
        return False
    return 0x81 <= lead <= 0xFE and 0x40 <= trail <= 0xFE and trail != 0x7F


def read_common(path):
    with open(path, encoding="utf-8") as file:
        characters = [line.rstrip("\n") for line in file]
    if len(characters) != ENTRY_COUNT:
        raise DataError(f"{path}: {len(characters)} lines, expected {ENTRY_COUNT}")
    for number, character in enumerate(characters, start=1):
        if len(character) != 1 or gbk_code(character) is None:
            raise DataError(f"{path}:{number}: {character!r} is not one character with a two-byte GBK code")
    if len(set(characters)) != ENTRY_COUNT:
        raise DataError(f"{path}: a character occurs twice")
    return characters


def read_fixed(path, common):
    """Entry number -> (martian character, martian GBK code)."""
    fixed = {}
    for number, fields in data_lines(path):
        where = f"{path}:{number}"
        if len(fields) != 5 or not fields[0].isdigit():
            raise DataError(f"{where}: expected <entry> <common> <martian> <common GBK> <martian GBK>")
        entry, character, martian, character_code, martian_code = int(fields[0]), *fields[1:]
        if not 1 <= entry <= ENTRY_COUNT or common[entry - 1] != character:
            raise DataError(f"{where}: entry {entry} is not {character}")
        if gbk_code(character) != character_code:
            raise DataError(f"{where}: {character} is not GBK {character_code}")
        if not is_two_byte_code(martian_code):
            raise DataError(f"{where}: {martian_code} is not a two-byte GBK code")
        if martian == NO_CHARACTER:
            if decoded_character(martian_code) is not None:
                raise DataError(f"{where}: {martian_code} is {decoded_character(martian_code)}, not without a character")
        elif gbk_code(martian) != martian_code:
            raise DataError(f"{where}: {martian} is not GBK {martian_code}")
        if entry in fixed:
            raise DataError(f"{where}: entry {entry} is fixed twice")
        fixed[entry] = (martian, martian_code)
    return fixed


def decoded_character(code):
    return gbk.character_of(int(code, 16))


def read_traditional(path):
    """Simplified character -> its kind-4 traditional form, for the characters it changes."""
    try:
        changes = gbk.parse_mapping(path.read_text(encoding="utf-8"), path.name)
    except ValueError as error:
        raise DataError(str(error)) from error
    return {gbk.display_of(source): gbk.display_of(target) for source, target in changes.items()}


def candidates(character, traditional, variants):
    if traditional.get(character, character) != character:
        yield traditional[character], "traditional"
    for field in VARIANT_FIELDS:
        for variant in variants[field].get(character, []):
            yield variant, field


def derive(common, fixed, traditional, variants):
    """Entry k-1 -> (martian character, martian GBK code, how it was chosen)."""
    common_set = set(common)
    taken = {code for _, code in fixed.values()}
    table = []
    for entry, character in enumerate(common, start=1):
        if entry in fixed:
            table.append((*fixed[entry], "fixed"))
            continue
        chosen = None
        for candidate, reason in candidates(character, traditional, variants):
            code = gbk_code(candidate)
            if code is not None and candidate not in common_set and code not in taken:
                chosen = (candidate, code, reason)
                break
        if chosen is None:
            chosen = (character, gbk_code(character), "same")
        taken.add(chosen[1])
        table.append(chosen)
    return table


def check_invariants(common, fixed, table):
    if len(table) != ENTRY_COUNT:
        raise DataError(f"{len(table)} entries, expected {ENTRY_COUNT}")
    for entry, (_, code, _) in enumerate(table, start=1):
        if not is_two_byte_code(code):
            raise DataError(f"entry {entry} ({common[entry - 1]}): {code} is not a two-byte GBK code")
    uses = collections.Counter(code for _, code, _ in table)
    fixed_uses = collections.Counter(code for _, code in fixed.values())
    shared = sorted(code for code, count in uses.items() if count > 1)
    for code in shared:
        if uses[code] > 2 or fixed_uses[code] != 2:
            entries = [entry for entry, (_, c, _) in enumerate(table, start=1) if c == code]
            raise DataError(f"code {code} is held by entries {entries}; only fixed pairs may share a code")
    if len(shared) != SHARED_CODE_COUNT:
        raise DataError(f"{len(shared)} codes occur twice, expected {SHARED_CODE_COUNT}")


def render(common, table):
    lines = [
        "# Generated by tools/martian_table.py from data/martian-fixed.txt, the kind-4",
        "# mapping in data/simplified-to-traditional.txt and Unihan_Variants.txt:",
        "# regenerate with `make tables`, never edit by hand.",
        "#",
        "# One entry a line, in entry order:",
        "#   <entry> <common char> <martian char> <common GBK> <martian GBK> <how chosen>",
        "# how chosen: fixed (data/martian-fixed.txt), traditional (kind-4 form),",
        "# a Unihan variant field, or same (no look-alike qualified).",
        f'# "{NO_CHARACTER}" stands for a martian code that GBK gives no character.',
    ]
    for entry, (character, (martian, code, reason)) in enumerate(zip(common, table), start=1):
        lines.append(f"{entry} {character} {martian} {gbk_code(character)} {code} {reason}")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="write nothing; fail when the committed data would change")
    parser.add_argument("--unihan-variants", type=pathlib.Path, default=gbk.UNIHAN_VARIANTS)
    args = parser.parse_args()

    try:
        common = read_common(COMMON_PATH)
        fixed = read_fixed(FIXED_PATH, common)
        traditional = read_traditional(TRADITIONAL_PATH)
        variants = gbk.read_unihan(VARIANT_FIELDS, args.unihan_variants)
        table = derive(common, fixed, traditional, variants)
        check_invariants(common, fixed, table)
    except (DataError, OSError) as error:
        print(f"martian_table: {error}", file=sys.stderr)
        return 2

    content = render(common, table)
    relative = OUTPUT_PATH.relative_to(ROOT)
    if args.check:
        current = OUTPUT_PATH.read_text(encoding="utf-8") if OUTPUT_PATH.exists() else None
        if current != content:
            print(f"martian_table: {relative} is out of date; run `make tables`", file=sys.stderr)
            return 1
        return 0
    OUTPUT_PATH.write_text(content, encoding="utf-8")
    print(f"martian_table: wrote {relative}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
