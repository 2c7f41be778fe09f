// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "convert/martian_text.h"
#include "martian_test_support.h"

using namespace harvela;
using namespace harvela::martian_test;

namespace {

constexpr int entryCount = 3500;

bool isGb2312(const Text& code)
{
    return !iconvBytes("UTF-8", "GB2312", code.bytes()).empty();
}

bool hasGbkCharacter(const Text& code)
{
    return !iconvBytes("UTF-8", "GBK", code.bytes()).empty();
}

// Code (as hex) -> the entries that hold it, lowest first.
std::map<std::string, std::vector<int>> entriesByCode(const Text& table)
{
    std::map<std::string, std::vector<int>> entries;
    for (int entry = 1; entry <= entryCount; ++entry) {
        entries[hexOf(entryOf(table, entry))].push_back(entry);
    }
    return entries;
}

TEST(CommonCharTable, HoldsTheListInItsOrder)
{
    const Text& table = commonCharTable();
    ASSERT_EQ(textLength(table), 2 * entryCount);
    EXPECT_EQ(leftText(table, 20), gbk("一乙二十丁厂七卜人入"));
    EXPECT_EQ(rightText(table, 22), gbk("巍鳞糯譬霹躏髓蘸镶瓤矗"));
    EXPECT_EQ(entryOf(table, 2996), gbk("啰"));
    EXPECT_EQ(hexOf(entryOf(table, 2996)), "86AA");
    EXPECT_EQ(entryOf(table, 3440), gbk("瞭"));
    EXPECT_EQ(hexOf(entryOf(table, 3440)), "B274");
}

TEST(CommonCharTable, DistinctLeadBytePairsAllInGb2312ButTwo)
{
    const Text& table = commonCharTable();
    std::set<std::string> seen;
    std::vector<int> outsideGb2312;
    for (int entry = 1; entry <= entryCount; ++entry) {
        const Text code = entryOf(table, entry);
        EXPECT_TRUE(isLeadByte(code.byteAt(0))) << "entry " << entry;
        seen.insert(hexOf(code));
        if (!isGb2312(code)) {
            outsideGb2312.push_back(entry);
        }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(entryCount));
    EXPECT_EQ(outsideGb2312, (std::vector<int>{2996, 3440}));
}

TEST(MartianCharTable, HoldsTwoByteGbkCodesOnly)
{
    const Text& table = martianCharTable();
    ASSERT_EQ(textLength(table), 2 * entryCount);
    std::vector<int> withoutCharacter;
    for (int entry = 1; entry <= entryCount; ++entry) {
        const Text code = entryOf(table, entry);
        const unsigned char lead = code.byteAt(0);
        const unsigned char trail = code.byteAt(1);
        EXPECT_TRUE(lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F)
            << "entry " << entry << ": " << hexOf(code);
        if (!hasGbkCharacter(code)) {
            withoutCharacter.push_back(entry);
        }
    }
    // FE51, the look-alike of 大, is a GBK code without a character.
    EXPECT_EQ(withoutCharacter, (std::vector<int>{30}));
}

TEST(MartianCharTable, KeepsTheHandChosenLookAlikes)
{
    struct Fixed
    {
        int entry;
        const char* code;
    };
    // Entries 1 to 40, the look-alikes that are not ideographs, and 你 火 星 文.
    const std::vector<Fixed> fixed = {
        {1, "A2D9"},   {2, "D2D2"},   {3, "A5CB"},   {4, "A2E2"},   {5, "B6A1"},    {6, "8F53"},
        {7, "A2DF"},   {8, "A5C8"},   {9, "8192"},   {10, "83C7"},  {11, "A5CF"},   {12, "DCB4"},
        {13, "8447"},  {14, "A5EB"},  {15, "A8CB"},  {16, "A8CC"},  {17, "DCB5"},   {18, "B5B6"},
        {19, "A8E1"},  {20, "A2DB"},  {21, "D8A1"},  {22, "8ED6"},  {23, "CC9D"},   {24, "89D5"},
        {25, "A5A8"},  {26, "9B42"},  {27, "A5A9"},  {28, "87E2"},  {29, "8142"},   {30, "FE51"},
        {31, "D5C9"},  {32, "C563"},  {33, "C866"},  {34, "8141"},  {35, "8CA8"},   {36, "A5ED"},
        {37, "BDED"},  {38, "8CE6"},  {39, "C7AA"},  {40, "C6F2"},  {48, "A5BF"},   {56, "A8D5"},
        {63, "A8DD"},  {77, "A4A8"},  {83, "A2DD"},  {104, "A8D6"}, {105, "A7E6"},  {150, "A2DE"},
        {153, "A4F0"}, {173, "A4AA"}, {178, "A4DE"}, {183, "A949"}, {194, "A5DD"},  {234, "A2DC"},
        {513, "A4CC"}, {948, "A4CE"}, {1294, "A4F1"}, {149, "85D0"}, {152, "85BF"}, {666, "81C3"},
        {1200, "9F93"},
    };
    for (const auto& [entry, code] : fixed) {
        EXPECT_EQ(hexOf(entryOf(martianCharTable(), entry)), code) << "entry " << entry;
    }
}

TEST(MartianCharTable, OnlyTheThirtyFiveSharedLookAlikesOccurTwice)
{
    const std::map<std::string, std::vector<int>> expected = {
        {"8CA8", {35, 103}},    {"BEC1", {45, 2559}},   {"E1AB", {89, 2598}},   {"F2BE", {162, 2876}},
        {"B576", {199, 2600}},  {"CAB8", {236, 2520}},  {"B0FA", {266, 2654}},  {"9D68", {277, 477}},
        {"D548", {289, 765}},   {"D481", {290, 909}},   {"9B96", {349, 1138}},  {"BBB2", {390, 2794}},
        {"CFF8", {559, 2867}},  {"BFEA", {735, 3238}},  {"C789", {821, 1769}},  {"C9BB", {833, 2652}},
        {"BEEC", {1010, 3041}}, {"E6A2", {1084, 2633}}, {"BE9A", {1091, 1332}}, {"D65C", {1135, 1887}},
        {"DDD9", {1156, 2398}}, {"BE92", {1174, 3182}}, {"9E52", {1226, 3168}}, {"B8C8", {1383, 2090}},
        {"9BB0", {1580, 2623}}, {"E44E", {1637, 2014}}, {"D564", {1652, 2823}}, {"BFB6", {1839, 3319}},
        {"E4F6", {1847, 3317}}, {"BC5A", {1988, 2235}}, {"CDAB", {2069, 3442}}, {"83E5", {2099, 2258}},
        {"E0D6", {2341, 3301}}, {"D699", {2344, 2984}}, {"C8EF", {2576, 3336}},
    };
    std::map<std::string, std::vector<int>> shared;
    for (const auto& [code, entries] : entriesByCode(martianCharTable())) {
        if (entries.size() > 1) {
            shared[code] = entries;
        }
    }
    EXPECT_EQ(shared, expected);
}

TEST(MartianCharTable, EveryCommonCharacterComesBackButTheSecondOfASharedPair)
{
    const Text& common = commonCharTable();
    const Text& martian = martianCharTable();
    const auto holders = entriesByCode(martian);
    int comeBackAsAnother = 0;
    for (int entry = 1; entry <= entryCount; ++entry) {
        const Text there = convertMartianText(entryOf(common, entry), true);
        ASSERT_EQ(there, entryOf(martian, entry)) << "entry " << entry;
        const int firstHolder = holders.at(hexOf(there)).front();
        EXPECT_EQ(convertMartianText(there, false), entryOf(common, firstHolder)) << "entry " << entry;
        comeBackAsAnother += firstHolder != entry ? 1 : 0;
    }
    EXPECT_EQ(comeBackAsAnother, 35);
}

}  // namespace
