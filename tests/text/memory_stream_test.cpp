// SPDX-License-Identifier: Apache-2.0
#include "text/memory_stream.h"

#include <gtest/gtest.h>

#include "gbk.h"

namespace harvela {
namespace {

Text readBack(std::initializer_list<unsigned char> content)
{
    MemoryStream stream;
    stream.writeText(Text(std::string(content.begin(), content.end())));
    stream.rewind();
    return stream.readAllText();
}

TEST(MemoryStream, WriteDataAddsTheTerminator)
{
    MemoryStream stream;
    EXPECT_TRUE(stream.atEnd());
    stream.writeData(gbk("伍"));
    stream.rewind();
    EXPECT_EQ(stream.readBytes(10), (ByteSet{0xCE, 0xE9, 0x00}));
    EXPECT_TRUE(stream.atEnd());
    EXPECT_TRUE(stream.readBytes(1).empty());

    MemoryStream empty;
    empty.writeData(Text());
    empty.rewind();
    EXPECT_EQ(empty.readBytes(5), (ByteSet{0x00}));
}

TEST(MemoryStream, ReadsStepByStepAndOverwritesAtThePosition)
{
    MemoryStream stream;
    stream.writeText("abcd");
    stream.writeText(Text());
    stream.rewind();
    stream.writeText("XY");
    stream.rewind();
    EXPECT_EQ(stream.readBytes(1), (ByteSet{'X'}));
    EXPECT_FALSE(stream.atEnd());
    EXPECT_EQ(stream.readBytes(2), (ByteSet{'Y', 'c'}));
    EXPECT_EQ(stream.readAllText(), Text("d"));
    EXPECT_TRUE(stream.atEnd());
    EXPECT_EQ(stream.readAllText(), Text());
}

TEST(MemoryStream, ReadAllTextEndsAtTheFirstZeroAtACharacterStart)
{
    EXPECT_EQ(readBack({}), Text());
    EXPECT_EQ(readBack({0x61, 0x1A, 0x62}), bytes({0x61, 0x1A, 0x62})) << "1A is an ordinary character";
    EXPECT_EQ(readBack({0xB0, 0x1A, 0x62}), bytes({0xB0, 0x1A, 0x62})) << "1A as a second byte";
    EXPECT_EQ(readBack({0x61, 0xB0}), bytes({0x61, 0xB0})) << "a lead byte as the very last byte";

    MemoryStream stream;
    stream.writeData(bytes({0x61, 0xB0}));  // the lead byte is followed by the terminator
    stream.writeText("more");
    stream.rewind();
    EXPECT_EQ(stream.readAllText(), Text("a"));
}

}  // namespace
}  // namespace harvela
