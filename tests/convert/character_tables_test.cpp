// SPDX-License-Identifier: Apache-2.0
#include "convert/character_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "convert/convert_characters.h"
#include "gbk.h"

namespace harvela {
namespace {

using Code = unsigned;

Code codeOf(const CodeTableEntry& entry)
{
    return (Code{entry[0]} << 8) | entry[1];
}

Code codeOf(const char* utf8Character)
{
    const Text text = gbk(utf8Character);
    EXPECT_EQ(text.length(), 2) << utf8Character;
    return (Code{text.byteAt(0)} << 8) | text.byteAt(1);
}

// The entry of a code, which must lie within the table's ranges.
Code lookUp(const CodeTable& table, Code code)
{
    const int row = codeTableRow(static_cast<unsigned char>(code >> 8));
    const int column = codeTableColumn(static_cast<unsigned char>(code & 0xFF));
    EXPECT_GE(row, 0) << std::hex << code;
    EXPECT_GE(column, 0) << std::hex << code;
    if (row < 0 || column < 0) {
        return code;
    }
    return codeOf(table[row][column]);
}

std::vector<Code> allCodes()
{
    std::vector<Code> codes;
    for (Code lead = 0x81; lead <= 0xFE; ++lead) {
        for (Code trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F) {
                codes.push_back((lead << 8) | trail);
            }
        }
    }
    return codes;
}

bool isUserDefined(Code code)
{
    const Code lead = code >> 8;
    const Code trail = code & 0xFF;
    return (lead >= 0xAA && lead <= 0xAF && trail >= 0xA1) ||
           (lead >= 0xF8 && lead <= 0xFE && trail >= 0xA1) ||
           (lead >= 0xA1 && lead <= 0xA7 && trail <= 0xA0);
}

bool isGb2312CharacterRow(Code code)
{
    return (code >> 8) >= 0xB0 && (code >> 8) <= 0xF7 && (code & 0xFF) >= 0xA1;
}

bool isExtensionArea(Code code)
{
    const Code lead = code >> 8;
    return !isUserDefined(code) && (lead <= 0xA0 || (lead >= 0xAA && (code & 0xFF) <= 0xA0));
}

// Changed codes: source -> target.
std::map<Code, Code> changes(const CodeTable& table)
{
    std::map<Code, Code> changed;
    for (Code code : allCodes()) {
        if (Code target = lookUp(table, code); target != code) {
            changed[code] = target;
        }
    }
    return changed;
}

using Pairs = std::vector<std::pair<const char*, const char*>>;

void expectPairs(const CodeTable& table, const Pairs& pairs)
{
    for (const auto& [source, target] : pairs) {
        EXPECT_EQ(lookUp(table, codeOf(source)), codeOf(target)) << source << " -> " << target;
    }
}

void expectUnchanged(const CodeTable& table, const std::vector<const char*>& characters)
{
    for (const char* character : characters) {
        EXPECT_EQ(lookUp(table, codeOf(character)), codeOf(character)) << character;
    }
}

struct NamedTable {
    const char* name;
    const CodeTable& table;
};

const NamedTable bothTables[] = {
    {"simplified to traditional", simplifiedToTraditionalTable()},
    {"traditional to simplified", traditionalToSimplifiedTable()},
};

TEST(CharacterTables, ConversionKindsUseTheirTables)
{
    EXPECT_EQ(conversionTable(simplifiedToTraditional), &simplifiedToTraditionalTable());
    EXPECT_EQ(conversionTable(traditionalToSimplified), &traditionalToSimplifiedTable());
}

TEST(CharacterTables, EveryEntryIsATableCodeWithoutZeroBytes)
{
    for (const NamedTable& named : bothTables) {
        for (const CodeTableRow& row : named.table) {
            for (const CodeTableEntry& entry : row) {
                ASSERT_NE(entry[0], 0) << named.name;
                ASSERT_NE(entry[1], 0) << named.name;
                ASSERT_GE(codeTableRow(entry[0]), 0) << named.name << " " << std::hex << codeOf(entry);
                ASSERT_GE(codeTableColumn(entry[1]), 0) << named.name << " " << std::hex << codeOf(entry);
            }
        }
    }
}

TEST(CharacterTables, NeitherTableChangesACodeItProduces)
{
    for (const NamedTable& named : bothTables) {
        for (const auto& [source, target] : changes(named.table)) {
            EXPECT_EQ(lookUp(named.table, target), target)
                << named.name << ": " << std::hex << source << " -> " << target;
        }
    }
}

TEST(CharacterTables, UserDefinedAreasHoldThemselves)
{
    for (const NamedTable& named : bothTables) {
        for (Code code : allCodes()) {
            if (isUserDefined(code)) {
                ASSERT_EQ(lookUp(named.table, code), code) << named.name << " " << std::hex << code;
            }
        }
    }
}

// Three results that the rules share, and 獎, which the Japanese form 奨 shares
// with the simplified 奖.
TEST(CharacterTables, OnlyTheseSimplifiedToTraditionalResultsHaveTwoSources)
{
    std::map<Code, std::set<Code>> sources;
    for (const auto& [source, target] : changes(simplifiedToTraditionalTable())) {
        sources[target].insert(source);
    }
    std::map<Code, std::set<Code>> shared;
    for (const auto& [target, from] : sources) {
        if (from.size() > 1) {
            shared[target] = from;
        }
    }
    const std::map<Code, std::set<Code>> expected = {
        {codeOf("餘"), {codeOf("余"), codeOf("馀")}},
        {codeOf("諮"), {codeOf("咨"), codeOf("谘")}},
        {codeOf("鯰"), {codeOf("鲇"), codeOf("鲶")}},
        {codeOf("獎"), {codeOf("奖"), codeOf("奨")}},
    };
    EXPECT_EQ(shared, expected);
}

// Characters that OpenCC does not convert take Unihan's variant only where it
// is the standard form, and a chain in the data keeps the link that reaches
// the table's own script.
TEST(CharacterTables, UnihanVariantsAndChainsGiveStandardForms)
{
    expectPairs(simplifiedToTraditionalTable(),
                {{"彝", "彝"},   // 彞 is a variant, not the traditional form
                 {"鼗", "鼗"},   // its own traditional form
                 {"埯", "埯"},   // 垵 is another character
                 {"奨", "獎"},   // the standard form, not 奬
                 {"吣", "唚"}, {"岙", "嶴"}, {"漤", "灠"}, {"褝", "襌"},
                 {"苎", "苧"}, {"苧", "苧"}});
    EXPECT_EQ(codeOf("獎"), 0xAA84u);
    expectPairs(traditionalToSimplifiedTable(),
                {{"苧", "苎"},   // 苧麻 -> 苎麻
                 {"薴", "薴"},   // 薴 -> 苧 would be changed again
                 {"垵", "垵"},
                 {"戠", "戠"},   // a character of its own, not 只
                 {"唚", "吣"}, {"嶴", "岙"}, {"灠", "漤"}, {"彞", "彝"}, {"鞀", "鼗"},
                 {"奨", "奖"}, {"総", "总"}, {"戯", "戏"}, {"鼈", "鳖"}});  // Japanese forms
}

TEST(CharacterTables, SimplifiedToTraditionalFixedForms)
{
    expectPairs(simplifiedToTraditionalTable(),
                {{"发", "發"}, {"干", "乾"}, {"后", "後"}, {"里", "裡"}, {"台", "臺"}, {"余", "餘"},
                 {"云", "雲"}, {"复", "復"}, {"历", "歷"}, {"钟", "鍾"}, {"汇", "匯"}, {"获", "獲"},
                 {"尽", "盡"}, {"几", "幾"}, {"当", "當"}, {"党", "黨"}, {"叶", "葉"}, {"于", "於"},
                 {"着", "著"}, {"么", "麼"}, {"占", "佔"}, {"才", "纔"}, {"症", "癥"}, {"脏", "髒"},
                 {"众", "眾"}, {"冲", "沖"}, {"仆", "僕"}, {"沉", "沈"}});
    expectUnchanged(simplifiedToTraditionalTable(),
                    {"面", "松", "谷", "制", "系", "只", "丑", "出", "范", "斗", "卷", "了", "征", "准",
                     "周", "借", "伙", "郁", "御", "吁", "岩", "咸", "注", "布", "冬", "回", "家", "姜",
                     "困", "蜡", "霉", "苹", "游", "表", "克", "折", "卜", "吊", "朱", "岳"});
}

TEST(CharacterTables, SimplifiedToTraditionalChangesOnlyQuotationMarksOutsideCharacterAreas)
{
    std::map<Code, Code> outside;
    for (const auto& [source, target] : changes(simplifiedToTraditionalTable())) {
        if (!isGb2312CharacterRow(source) && !isExtensionArea(source)) {
            outside[source] = target;
        }
    }
    const std::map<Code, Code> expected = {
        {codeOf("‘"), codeOf("「")}, {codeOf("’"), codeOf("」")},
        {codeOf("“"), codeOf("『")}, {codeOf("”"), codeOf("』")},
    };
    EXPECT_EQ(outside, expected);
}

TEST(CharacterTables, TraditionalToSimplifiedChangesExactlyTheseOutsideTheExtensionAreas)
{
    const Pairs listed = {
        // GB 2312 character rows
        {"硷", "碱"}, {"乾", "干"}, {"著", "着"}, {"亓", "其"}, {"仝", "同"}, {"凇", "淞"},
        {"谘", "咨"}, {"垅", "垄"}, {"摺", "折"}, {"後", "后"}, {"徵", "征"}, {"夥", "伙"},
        {"馀", "余"}, {"渖", "沈"}, {"甯", "宁"}, {"榘", "矩"}, {"飚", "飙"}, {"於", "于"},
        {"锺", "钟"}, {"箝", "钳"}, {"雠", "仇"}, {"鲶", "鲇"}, {"麽", "么"},
        // punctuation
        {"〔", "［"}, {"〕", "］"}, {"「", "‘"}, {"」", "’"}, {"『", "“"}, {"』", "”"},
        {"﹐", "，"}, {"﹑", "、"}, {"﹒", "。"}, {"﹔", "；"}, {"﹕", "："}, {"﹖", "？"},
        {"﹗", "！"},
    };
    std::map<Code, Code> expected;
    for (const auto& [source, target] : listed) {
        expected[codeOf(source)] = codeOf(target);
    }
    std::map<Code, Code> outside;
    for (const auto& [source, target] : changes(traditionalToSimplifiedTable())) {
        if (!isExtensionArea(source)) {
            outside[source] = target;
        }
    }
    EXPECT_EQ(outside, expected);
    expectUnchanged(traditionalToSimplifiedTable(), {"覆", "藉", "鞦"});
}

TEST(CharacterTables, TraditionalToSimplifiedJoinsVariantsAndJapaneseForms)
{
    expectPairs(traditionalToSimplifiedTable(), {{"発", "发"}, {"両", "两"}, {"幹", "干"}, {"臺", "台"},
                                                 {"颱", "台"}, {"檯", "台"}, {"裏", "里"}, {"裡", "里"},
                                                 {"鍾", "钟"}, {"鐘", "钟"}, {"復", "复"}, {"複", "复"},
                                                 {"麵", "面"}, {"髮", "发"}, {"瞭", "了"}, {"鬆", "松"},
                                                 {"隻", "只"}, {"係", "系"}, {"繫", "系"}, {"製", "制"}});
}

}  // namespace
}  // namespace harvela
