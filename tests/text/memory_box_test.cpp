// SPDX-License-Identifier: Apache-2.0
#include "memory_box.h"

#include <gtest/gtest.h>

namespace harvela {
namespace {

TEST(Box, ReadsAndWritesWholeTexts)
{
    MemoryBox box;
    EXPECT_EQ(readBoxText(box), Text());

    int handled = 0;
    box.onTextChanged([&] { ++handled; });
    writeBoxText(box, "abc");
    EXPECT_EQ(readBoxText(box), Text("abc"));
    writeBoxText(box, Text());
    EXPECT_EQ(readBoxText(box), Text());
    writeBoxText(box, Text());
    EXPECT_EQ(box.changeEvents(), 3) << "every write raises the event, changed or not";
    EXPECT_EQ(handled, 3);
}

}  // namespace
}  // namespace harvela
