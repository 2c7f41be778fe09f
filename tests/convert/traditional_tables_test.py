# SPDX-License-Identifier: Apache-2.0
"""Tests of the simplified/traditional generator's resolution rules and of the
mapping-file reader, on small hand-made mappings."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tools'))
import gbk_layout as gbk  # noqa: E402
import traditional_tables as generator  # noqa: E402


def code(character):
    return gbk.code_of(character)


def pairs(*texts):
    """{source code: target code} from two-character strings."""
    return {code(text[0]): code(text[1]) for text in texts}


class SettleChains(unittest.TestCase):
    def test_a_produced_code_that_the_data_changes_holds_itself(self):
        # 苎 -> 苧 -> 薴, all from the data: 苧 keeps itself.
        self.assertEqual(generator.settle_chains(pairs('苎苧', '苧薴'), {}), pairs('苎苧'))

    def test_a_source_follows_a_rule_at_the_end_of_its_chain(self):
        rules = pairs('鲶鲇')
        self.assertEqual(generator.settle_chains(pairs('鯰鲶', '鲶鲇'), rules), pairs('鯰鲇', '鲶鲇'))

    def test_a_chain_back_to_its_start_leaves_the_source_unchanged(self):
        rules = pairs('乾干')
        self.assertEqual(generator.settle_chains(pairs('干乾', '乾干'), rules), pairs('乾干'))

    def test_chained_rules_are_an_error(self):
        rules = pairs('甲乙', '乙丙')
        with self.assertRaises(generator.GenerationError):
            generator.settle_chains(dict(rules), rules)


class ResolveSharedResults(unittest.TestCase):
    def resolve(self, changes, rules=None, reverse=None):
        return generator.resolve_shared_results(dict(changes), rules or {}, reverse or {})

    def test_results_that_two_rules_share_keep_both_sources(self):
        rules = pairs('余餘', '馀餘')
        self.assertEqual(self.resolve(pairs('余餘', '馀餘'), rules), pairs('余餘', '馀餘'))

    def test_a_rule_source_wins_over_the_data(self):
        rules = pairs('钟鍾')
        self.assertEqual(self.resolve(pairs('钟鍾', '锺鍾'), rules), pairs('钟鍾'))

    def test_a_gb2312_character_wins_over_an_extension_character(self):
        # 线 lies in the GB 2312 rows, 缐 in the extension areas.
        self.assertEqual(self.resolve(pairs('缐線', '线線')), pairs('线線'))

    def test_then_the_source_that_the_reverse_data_names_wins(self):
        # 緼 and 缊 both lie in the extension areas; 縕 goes back to 缊.
        changes = pairs('緼縕', '缊縕')
        self.assertEqual(self.resolve(changes, reverse=pairs('縕缊')), pairs('缊縕'))
        self.assertEqual(self.resolve(changes), pairs('緼縕'))  # else the lowest code


class MappingFiles(unittest.TestCase):
    def test_a_formatted_mapping_reads_back(self):
        changes = pairs('发發', '后後')
        text = gbk.format_mapping(['header'], changes)
        self.assertIn('发 發 B7A2 B06C\n', text)
        self.assertEqual(gbk.parse_mapping(text, 'test'), changes)

    def test_hand_edits_that_break_the_format_are_refused(self):
        for text in ['发 發 B7A2 B06D\n',                    # characters disagree with codes
                     '后 後 BAF3 E1E1\n发 發 B7A2 B06C\n',   # out of order
                     '发 发 B7A2 B7A2\n',                    # a code that holds itself
                     '发 發 b7a2 b06c\n',                    # lower-case hex
                     '发 發 B7A2\n']:                        # missing column
            with self.subTest(text=text), self.assertRaises(ValueError):
                gbk.parse_mapping(text, 'test')


class Regions(unittest.TestCase):
    def test_regions_of_sample_codes(self):
        self.assertEqual(gbk.region(0xB0A1), 'gb2312')
        self.assertEqual(gbk.region(0xB040), 'extension')
        self.assertEqual(gbk.region(0x8140), 'extension')
        self.assertEqual(gbk.region(0xAAA1), 'user')
        self.assertEqual(gbk.region(0xA140), 'user')
        self.assertEqual(gbk.region(0xF8A1), 'user')
        self.assertEqual(gbk.region(0xA1AE), 'other')
        self.assertEqual(gbk.region(0xA96F), 'other')


if __name__ == '__main__':
    unittest.main()
