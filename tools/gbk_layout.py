# SPDX-License-Identifier: Apache-2.0
"""GBK two-byte codes, their regions, the reviewable code-mapping files, and
Unicode's variant data.

Shared by the table generators in this directory. Python 3 standard library only.
"""

import bz2
import pathlib
import re

UNIHAN_VARIANTS = pathlib.Path('/usr/share/unicode/Unihan_Variants.txt.bz2')
UNIHAN_OTHER_MAPPINGS = pathlib.Path('/usr/share/unicode/Unihan_OtherMappings.txt.bz2')

LEADS = range(0x81, 0xFF)
TRAILS = [*range(0x40, 0x7F), *range(0x80, 0xFF)]
ROW_COUNT = len(LEADS)        # 126
COLUMN_COUNT = len(TRAILS)    # 190


def all_codes():
    """Every two-byte position of a code table, in table order."""
    return [(lead << 8) | trail for lead in LEADS for trail in TRAILS]


def is_user_defined(code):
    lead, trail = code >> 8, code & 0xFF
    return ((0xAA <= lead <= 0xAF and trail >= 0xA1)
            or (0xF8 <= lead <= 0xFE and trail >= 0xA1)
            or (0xA1 <= lead <= 0xA7 and trail <= 0xA0))


def region(code):
    """'gb2312' for the character rows of GB 2312, 'extension' for the GBK
    extension areas, 'user' for the user-defined areas, else 'other'
    (symbol rows and the rest)."""
    lead, trail = code >> 8, code & 0xFF
    if is_user_defined(code):
        return 'user'
    if 0xB0 <= lead <= 0xF7 and trail >= 0xA1:
        return 'gb2312'
    if lead <= 0xA0 or (lead >= 0xAA and trail <= 0xA0):
        return 'extension'
    return 'other'


def character_of(code):
    """The character at a code, or None where GBK has no character there."""
    try:
        return code.to_bytes(2, 'big').decode('gbk')
    except UnicodeDecodeError:
        return None


def display_of(code):
    """What a mapping file shows for a code: its character, or for positions
    without one the GB18030 reading (a private-use character)."""
    return character_of(code) or code.to_bytes(2, 'big').decode('gb18030')


def code_of(character):
    """The two-byte GBK code of a character, or None if it has none."""
    try:
        encoded = character.encode('gbk')
    except UnicodeEncodeError:
        return None
    return int.from_bytes(encoded, 'big') if len(encoded) == 2 else None


# ---- mapping files: "<source> <target> <SOURCE HEX> <TARGET HEX>" per changed code

LINE = re.compile(r'^(\S) (\S) ([0-9A-F]{4}) ([0-9A-F]{4})$')


def format_mapping(header_lines, changes):
    """The text of a mapping file: '#' header lines, then one line per
    changed code sorted by source code. changes: {source code: target code}."""
    lines = ['# ' + line if line else '#' for line in header_lines]
    for source in sorted(changes):
        target = changes[source]
        lines.append(f'{display_of(source)} {display_of(target)} {source:04X} {target:04X}')
    return '\n'.join(lines) + '\n'


def parse_mapping(text, name):
    """{source code: target code} from a mapping file; raises ValueError on any
    line that is malformed, out of order, or whose characters disagree with
    their codes."""
    changes = {}
    previous = -1
    body_started = False
    valid = set(all_codes())
    for number, line in enumerate(text.splitlines(), 1):
        where = f'{name}:{number}'
        if line.startswith('#') and not body_started:
            continue
        body_started = True
        match = LINE.match(line)
        if not match:
            raise ValueError(f'{where}: expected "<source> <target> <HEX> <HEX>": {line!r}')
        source, target = int(match[3], 16), int(match[4], 16)
        for code in (source, target):
            if code not in valid:
                raise ValueError(f'{where}: {code:04X} is not a two-byte table position')
        if (match[1], match[2]) != (display_of(source), display_of(target)):
            raise ValueError(f'{where}: characters do not match codes {source:04X} {target:04X}')
        if source <= previous:
            raise ValueError(f'{where}: codes must be listed once each, in ascending order')
        if source == target:
            raise ValueError(f'{where}: a code that holds itself is not listed')
        previous = source
        changes[source] = target
    return changes


# ---- Unihan

def read_unihan(fields, path=UNIHAN_VARIANTS):
    """{field: {character: [variants in the order listed]}} for the given
    Unihan fields. A value is U+XXXX, possibly followed by "<" and the sources
    that attest it; the sources are ignored."""
    variants = {field: {} for field in fields}
    with bz2.open(path, 'rt', encoding='utf-8') as lines:
        for line in lines:
            if line.startswith('#') or not line.strip():
                continue
            point, field, value = line.rstrip('\n').split('\t')
            if field in variants:
                variants[field][chr(int(point[2:], 16))] = [
                    chr(int(item.split('<')[0][2:], 16)) for item in value.split()]
    return variants


def read_unihan_sets(fields, path=UNIHAN_OTHER_MAPPINGS):
    """{field: set of characters that have a value for it}, for the given
    fields of one Unihan file (by default the mappings to other standards)."""
    members = {field: set() for field in fields}
    with bz2.open(path, 'rt', encoding='utf-8') as lines:
        for line in lines:
            if line.startswith('#') or not line.strip():
                continue
            point, field, _ = line.split('\t', 2)
            if field in members:
                members[field].add(chr(int(point[2:], 16)))
    return members
