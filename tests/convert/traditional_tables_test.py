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

    def test_to_simplified_the_later_link_wins_and_the_first_source_holds_itself(self):
        # 薴 -> 苧 -> 苎, all from the data: 苧 is the traditional form of 苎.
        self.assertEqual(generator.settle_chains(pairs('薴苧', '苧苎'), {}, later_link_wins=True),
                         pairs('苧苎'))

    def test_a_ruled_first_link_wins_even_where_the_later_link_would(self):
        rules = pairs('薴苧')
        self.assertEqual(generator.settle_chains(pairs('薴苧', '苧苎'), rules, later_link_wins=True),
                         pairs('薴苧'))

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


    def test_unihan_sources_share_the_result_of_one_opencc_source(self):
        # 奖 comes from OpenCC, 奨 from Unihan: both keep 獎.
        changes = pairs('奨獎', '奖獎')
        self.assertEqual(generator.resolve_shared_results(dict(changes), {}, {}, {code('奨')}),
                         changes)

    def test_two_opencc_sources_or_two_unihan_sources_do_not_share(self):
        changes = pairs('缐線', '线線')
        for unihan in [set(), {code('缐'), code('线')}]:
            with self.subTest(unihan=unihan):
                self.assertEqual(generator.resolve_shared_results(dict(changes), {}, {}, unihan),
                                 pairs('线線'))


class UnihanStandardTargets(unittest.TestCase):
    # A small stand-in for Unihan's character sets: Big5 holds the traditional
    # characters (and 彝, 垵, which traditional text writes as they are); the
    # General Standard table holds the simplified standard characters.
    SETS = {'kBigFive': set('彝垵唚獎只戠鞀'), 'kTGH': set('彝埯垵吣奖只鼗')}

    def test_which_pairs_give_the_standard_form(self):
        cases = [
            (generator.TO_TRADITIONAL, '吣唚', True),
            (generator.TO_TRADITIONAL, '彝彞', False),   # the target is not in Big5
            (generator.TO_TRADITIONAL, '埯垵', False),   # 垵 is a standard simplified character
            (generator.TO_TRADITIONAL, '奨奬', False),   # not in Big5
            (generator.TO_TRADITIONAL, '奨獎', True),
            (generator.TO_SIMPLIFIED, '唚吣', True),
            (generator.TO_SIMPLIFIED, '彞彝', True),
            (generator.TO_SIMPLIFIED, '垵埯', False),    # the source is standard itself
            (generator.TO_SIMPLIFIED, '襌褝', False),    # the target is not standard
        ]
        for table, pair, expected in cases:
            with self.subTest(table=table, pair=pair):
                self.assertEqual(generator.standard_unihan_pair(table, pair[0], pair[1], self.SETS),
                                 expected)

    def test_lookup_offers_only_standard_targets(self):
        to_traditional = generator.unihan_lookup(
            generator.TO_TRADITIONAL, {'吣': ['唚'], '彝': ['彞'], '鼗': ['鞀', '鼗']}, self.SETS)
        self.assertEqual(to_traditional('吣'), ['唚'])
        self.assertIsNone(to_traditional('彝'))         # the next source decides
        self.assertEqual(to_traditional('鼗'), ['鼗'])  # listed as its own variant: it stays
        self.assertIsNone(to_traditional('一'))         # Unihan does not know it
        to_simplified = generator.unihan_lookup(
            generator.TO_SIMPLIFIED, {'戠': ['只', '戠'], '垵': ['埯']}, self.SETS)
        self.assertEqual(to_simplified('戠'), ['戠'])
        self.assertIsNone(to_simplified('垵'))

    def test_a_target_is_judged_in_the_form_it_is_written_in(self):
        lookup = generator.unihan_lookup(generator.TO_TRADITIONAL, {'奨': ['奬']}, self.SETS,
                                         standard_form={'奬': '獎'}.get)
        self.assertEqual(lookup('奨'), ['獎'])


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
