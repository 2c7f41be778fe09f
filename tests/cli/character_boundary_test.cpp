// SPDX-License-Identifier: Apache-2.0
#include "cli/character_boundary.h"

#include <gtest/gtest.h>

#include <string>

namespace harvela::cli {
namespace {

TEST(Utf8Boundary, LeavesAnUnfinishedSequenceForTheNextPiece)
{
    const struct {
        std::string bytes;
        std::size_t boundary;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {"a\xE4\xBD\xA0", 4},          // 你, whole
        {"a\xE4\xBD", 1},              // 你 cut after two bytes
        {"a\xE4", 1},                  // cut after one
        {"a\xF0\x9F\x8E", 1},          // 🎉 cut after three
        {"a\xF0\x9F\x8E\x89", 5},      // 🎉, whole
        {"a\xC3", 1},                  // é cut
        {"\xBD\xBD\xBD\xBD", 4},       // stray continuation bytes: judged later
        {"a\xFF", 2},                  // not a lead byte: judged later
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8Boundary(c.bytes), c.boundary) << testing::PrintToString(c.bytes);
    }
}

TEST(GbkPairBoundary, KeepsALeadByteWithTheByteAfterIt)
{
    EXPECT_EQ(gbkPairBoundary(""), 0u);
    EXPECT_EQ(gbkPairBoundary("ab\xB0\xAE"), 4u);
    EXPECT_EQ(gbkPairBoundary("ab\xB0\xAE\xB0"), 4u);
    EXPECT_EQ(gbkPairBoundary("\x80" "a"), 2u);  // whatever the byte after it is
}

TEST(WalkGb18030, CutsBetweenWholeCharactersAndFindsTheFirstInvalidByte)
{
    const struct {
        std::string bytes;
        bool atEnd;
        std::size_t boundary;
        std::optional<std::size_t> invalid;
    } cases[] = {
        {"a\xB0\xAE", false, 3, std::nullopt},
        {"a\xB0", false, 1, std::nullopt},                    // waits for its trail byte
        {"a\xB0", true, 1, 1},                                // ends inside a character
        {"\x81\x30\x81\x30z", false, 5, std::nullopt},        // a four-byte code
        {"\x81\x30\x81", false, 0, std::nullopt},             // never cut inside one
        {"\x81\x30\x81", true, 0, 0},
        {"\x81\x30\x41\x30", false, 0, 0},                    // four-byte code with a bad third byte
        {"ab\x80", false, 2, 2},                              // 0x80 and 0xFF start nothing
        {"ab\xFF\xA1", false, 2, 2},
        {"\xB0\x7F", false, 0, 0},                            // 7F is no trail byte
        {std::string("a\0b", 3), true, 3, std::nullopt},      // zero bytes are characters
    };
    for (const auto& c : cases) {
        const Gb18030Walk walk = walkGb18030(c.bytes, c.atEnd);
        EXPECT_EQ(walk.invalidOffset, c.invalid) << testing::PrintToString(c.bytes);
        if (!c.invalid) {
            EXPECT_EQ(walk.boundary, c.boundary) << testing::PrintToString(c.bytes);
        }
    }
}

}  // namespace
}  // namespace harvela::cli
