#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""Regenerates the simplified/traditional code mappings in data/.

Sources:
  - OpenCC's character dictionaries (Debian packages opencc, libopencc-data),
    dumped as text with opencc_dict: STCharacters for simplified to
    traditional, TSCharacters for traditional to simplified, and JPVariants,
    read backwards, for Japanese forms of traditional characters.
  - Unihan's kTraditionalVariant and kSimplifiedVariant (Debian package
    unicode-data), where OpenCC has no entry for a character, kept only where
    the target is the standard form (see standard_unihan_pair; Unihan's
    kBigFive and kTGH tell the standard character sets).
  - data/traditional-rules.txt, whose pairs win over both.

Writes data/simplified-to-traditional.txt and data/traditional-to-simplified.txt:
one line per changed GBK code. With --check nothing is written; the exit code
is 1 and the differing files are named when the committed files are stale.

Python 3 standard library only.
"""

import argparse
import collections
import pathlib
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import gbk_layout as gbk  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent
RULES = ROOT / 'data' / 'traditional-rules.txt'
OPENCC_DIR = pathlib.Path('/usr/share/opencc')

TO_TRADITIONAL = 'simplified-to-traditional'
TO_SIMPLIFIED = 'traditional-to-simplified'
OUTPUTS = {
    TO_TRADITIONAL: ROOT / 'data' / 'simplified-to-traditional.txt',
    TO_SIMPLIFIED: ROOT / 'data' / 'traditional-to-simplified.txt',
}
# Regions in which each table takes changes from the data; elsewhere only the
# rules change codes.
DATA_REGIONS = {
    TO_TRADITIONAL: {'gb2312', 'extension'},
    TO_SIMPLIFIED: {'extension'},
}


class GenerationError(Exception):
    pass


# ---- sources

def read_opencc(name, scratch):
    """{character: [candidates]} from one OpenCC dictionary; phrases skipped."""
    dumped = pathlib.Path(scratch) / f'{name}.txt'
    subprocess.run(['opencc_dict', '-i', str(OPENCC_DIR / f'{name}.ocd2'), '-o', str(dumped),
                    '-f', 'ocd2', '-t', 'text'], check=True, stdout=subprocess.DEVNULL)
    entries = {}
    for line in dumped.read_text(encoding='utf-8').splitlines():
        key, values = line.split('\t')
        if len(key) == 1:
            entries[key] = values.split(' ')
    return entries


def reversed_entries(entries):
    """{candidate: [keys]} in the dictionary's order."""
    backwards = collections.defaultdict(list)
    for key, values in entries.items():
        for value in values:
            backwards[value].append(key)
    return backwards


def read_rules(path):
    """{table name: {source code: target code}} from the rules file."""
    rules = {TO_TRADITIONAL: {}, TO_SIMPLIFIED: {}}
    table = None
    for number, raw in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
        line = raw.split('#', 1)[0].strip()
        where = f'{path.name}:{number}'
        if not line:
            continue
        if line.startswith('['):
            table = line.strip('[]')
            if table not in rules:
                raise GenerationError(f'{where}: unknown table [{table}]')
            continue
        pair = line.split()
        if table is None or len(pair) != 2 or any(len(c) != 1 for c in pair):
            raise GenerationError(f'{where}: expected a "source target" pair under a [table] line')
        source, target = (gbk.code_of(c) for c in pair)
        if source is None or target is None:
            raise GenerationError(f'{where}: {line} has a character without a GBK code')
        if 'user' in (gbk.region(source), gbk.region(target)):
            raise GenerationError(f'{where}: {line} lies in a user-defined area')
        if rules[table].get(source, target) != target:
            raise GenerationError(f'{where}: a second, different rule for {pair[0]}')
        rules[table][source] = target
    return rules


def first_with_code(candidates):
    """The code of the first candidate that has a two-byte GBK code."""
    for candidate in candidates:
        code = gbk.code_of(candidate)
        if code is not None:
            return code
    return None


def data_mapping(table, lookups):
    """{source code: target code} from the data alone, for the codes of the
    table's data regions. lookups: functions character -> candidates or None,
    tried in order; the first that knows the character decides."""
    changes = {}
    for code in gbk.all_codes():
        character = gbk.character_of(code)
        if character is None or gbk.region(code) not in DATA_REGIONS[table]:
            continue
        for lookup in lookups:
            candidates = lookup(character)
            if candidates is not None:
                target = first_with_code(candidates)
                if target is not None and target != code:
                    changes[code] = target
                break
    return changes


def standard_unihan_pair(table, source, target, standard_sets):
    """Whether Unihan's variant pair source -> target gives the standard form
    for the table. standard_sets: {'kBigFive': Big5's characters, 'kTGH': the
    Table of General Standard Chinese Characters}. A character of that table is
    a standard simplified character in its own right: it is never the
    traditional form of another, and it is not simplified further. A
    traditional form must be a Big5 character; a simplified form must be in
    the table."""
    big5, general = standard_sets['kBigFive'], standard_sets['kTGH']
    if table == TO_TRADITIONAL:
        return target in big5 and target not in general
    return target in general and source not in general


def unihan_lookup(table, variants, standard_sets, standard_form=lambda character: character):
    """A lookup (character -> candidates or None) on one Unihan variant field
    that offers only standard targets. A character that Unihan lists among its
    own variants is standard itself and stays. standard_form maps a variant to
    the form it is written in before it is judged."""
    def lookup(character):
        listed = variants.get(character)
        if listed is None:
            return None
        if character in listed:
            return [character]
        standard = [form for form in map(standard_form, listed)
                    if standard_unihan_pair(table, character, form, standard_sets)]
        return standard or None
    return lookup


# ---- building the tables

def apply_rules(changes, rules):
    merged = dict(changes)
    for source, target in rules.items():
        if source == target:
            merged.pop(source, None)
        else:
            merged[source] = target
    return merged


def settle_chains(changes, rules, later_link_wins=False):
    """A code that the table produces holds itself. In a chain a -> b -> c
    where b -> c is a rule, a follows it and becomes c. Where b -> c comes from
    the data, one link goes: by default the later one (b holds itself: b is
    already the kind of character the table writes); with later_link_wins the
    earlier one, unless it is a rule (a holds itself: b is not yet the kind of
    character the table writes, so a -> b converts nothing)."""
    while True:
        chained = [(source, target) for source, target in changes.items() if target in changes]
        if not chained:
            return changes
        for source, target in chained:
            if target not in rules:
                changes.pop(source if later_link_wins and source not in rules else target, None)
            elif source in rules:
                raise GenerationError(f'rules chain {gbk.display_of(source)} -> '
                                      f'{gbk.display_of(target)} -> {gbk.display_of(rules[target])}')
            elif rules[target] == source:
                del changes[source]
            else:
                changes[source] = rules[target]


def sharing_sources(group, rules, unihan_sources):
    """The sources of one result that may keep it together: two or more rule
    sources; or one source from OpenCC or a rule with the Unihan sources beside
    it (forms of one character, as 奖 and the Japanese 奨 are of 獎). Empty if
    none."""
    ruled = {s for s in group if s in rules}
    if len(ruled) >= 2:
        return ruled
    others = [s for s in group if s not in unihan_sources or s in rules]
    return set(group) if len(others) == 1 else set()


def resolve_shared_results(changes, rules, reverse, unihan_sources=frozenset()):
    """Simplified to traditional: a result with several sources keeps one, and
    the others hold themselves, unless the sources may share it (see
    sharing_sources). Otherwise the winner is, in this order: a rule source, a
    GB 2312 character, the source the traditional-to-simplified data maps the
    result back to, the lowest code. unihan_sources: the codes whose change
    comes from Unihan."""
    sources = collections.defaultdict(list)
    for source, target in changes.items():
        sources[target].append(source)
    for target, group in sources.items():
        if len(group) < 2:
            continue
        keep = sharing_sources(group, rules, unihan_sources) or {
            min(group, key=lambda s: (s not in rules,
                                      gbk.region(s) != 'gb2312',
                                      reverse.get(target) != s,
                                      s))}
        for source in group:
            if source not in keep:
                del changes[source]
    return changes


def build_tables(scratch):
    st = read_opencc('STCharacters', scratch)
    ts = read_opencc('TSCharacters', scratch)
    japanese_forms = reversed_entries(read_opencc('JPVariants', scratch))
    unihan = gbk.read_unihan(['kTraditionalVariant', 'kSimplifiedVariant'])
    standard_sets = gbk.read_unihan_sets(['kBigFive', 'kTGH'])
    rules = read_rules(RULES)
    st_results = {value for values in st.values() for value in values}

    def opencc_traditional_form(character):
        # A traditional variant that OpenCC simplifies but never writes, such
        # as 奬, is written in OpenCC's form for its simplified character (獎).
        if character in st_results or character not in ts or ts[character][0] not in st:
            return character
        return st[ts[character][0]][0]

    def japanese_form_to_simplified(character):
        # A Japanese form goes through its traditional character(s).
        for traditional in japanese_forms.get(character, []):
            if traditional in ts:
                return ts[traditional]
        return None

    to_simplified = data_mapping(TO_SIMPLIFIED, [
        ts.get,
        unihan_lookup(TO_SIMPLIFIED, unihan['kSimplifiedVariant'], standard_sets),
        japanese_form_to_simplified])
    to_simplified = settle_chains(apply_rules(to_simplified, rules[TO_SIMPLIFIED]),
                                  rules[TO_SIMPLIFIED], later_link_wins=True)

    reverse_data = data_mapping(TO_SIMPLIFIED, [ts.get])
    to_traditional = data_mapping(TO_TRADITIONAL, [
        st.get,
        unihan_lookup(TO_TRADITIONAL, unihan['kTraditionalVariant'], standard_sets,
                      opencc_traditional_form)])
    to_traditional = apply_rules(to_traditional, rules[TO_TRADITIONAL])
    to_traditional = settle_chains(to_traditional, rules[TO_TRADITIONAL])
    unihan_sources = {code for code in to_traditional
                      if gbk.character_of(code) not in st and code not in rules[TO_TRADITIONAL]}
    to_traditional = resolve_shared_results(to_traditional, rules[TO_TRADITIONAL], reverse_data,
                                            unihan_sources)

    tables = {TO_TRADITIONAL: to_traditional, TO_SIMPLIFIED: to_simplified}
    for name, changes in tables.items():
        check_invariants(name, changes, rules[name], unihan_sources)
    return tables


def check_invariants(name, changes, rules, unihan_sources=frozenset()):
    for source, target in rules.items():
        if changes.get(source, source) != target:
            raise GenerationError(f'{name}: rule {gbk.display_of(source)} -> '
                                  f'{gbk.display_of(target)} was overridden')
    for source, target in changes.items():
        region = gbk.region(source)
        if region == 'user' or gbk.region(target) == 'user':
            raise GenerationError(f'{name}: {source:04X} -> {target:04X} touches a user-defined area')
        if region not in DATA_REGIONS[name] and source not in rules:
            raise GenerationError(f'{name}: {gbk.display_of(source)} changes outside the data regions')
        if target in changes:
            raise GenerationError(f'{name}: {gbk.display_of(target)} is produced and changed again')
        if 0 in target.to_bytes(2, 'big'):
            raise GenerationError(f'{name}: {source:04X} maps to a zero byte')
    if name == TO_TRADITIONAL:
        sources = collections.defaultdict(list)
        for source, target in changes.items():
            sources[target].append(source)
        for target, group in sources.items():
            if len(group) > 1 and sharing_sources(group, rules, unihan_sources) != set(group):
                raise GenerationError(f'{name}: {gbk.display_of(target)} has {len(group)} sources')


# ---- output

REGION_NAMES = [('gb2312', 'GB 2312 character rows'), ('extension', 'GBK extension areas'),
                ('other', 'other codes')]


def header(name, changes):
    counts = collections.Counter(gbk.region(source) for source in changes)
    regions = ', '.join(f'{label} {counts[key]:,}' for key, label in REGION_NAMES)
    direction = name.replace('-', ' ').capitalize()
    return [
        f'{direction}: the codes that the built-in table changes.',
        'Generated by tools/traditional_tables.py (make tables) from OpenCC and Unihan data',
        'and data/traditional-rules.txt. Do not edit.',
        'Columns: source, target, source GBK code, target GBK code. Codes not listed hold themselves.',
        f'Changed codes: {len(changes):,} ({regions}).',
    ]


def render(tables):
    return {name: gbk.format_mapping(header(name, changes), changes)
            for name, changes in tables.items()}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--check', action='store_true',
                        help='write nothing; fail if the committed files differ')
    arguments = parser.parse_args()
    try:
        with tempfile.TemporaryDirectory() as scratch:
            texts = render(build_tables(scratch))
    except (GenerationError, OSError, subprocess.CalledProcessError) as error:
        # OSError and CalledProcessError: a source is missing (see scripts/install-deps.sh).
        print(f'traditional_tables: {error}', file=sys.stderr)
        return 2
    stale = []
    for name, text in texts.items():
        path = OUTPUTS[name]
        current = path.read_text(encoding='utf-8') if path.exists() else None
        if current == text:
            continue
        if arguments.check:
            stale.append(str(path.relative_to(ROOT)))
        else:
            path.write_text(text, encoding='utf-8')
            print(f'wrote {path.relative_to(ROOT)}')
    if stale:
        print('traditional_tables: out of date (run make tables): ' + ', '.join(stale),
              file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
