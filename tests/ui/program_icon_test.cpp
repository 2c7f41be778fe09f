// SPDX-License-Identifier: Apache-2.0
// The program's icon stays crisp at a device pixel ratio of 2: every size the
// window carries comes from an image drawn at twice that size, not scaled up.

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include "ui/program_icon.h"

namespace harvela {
namespace {

TEST(ProgramIconTest, AtDevicePixelRatioTwoEverySizeIsDrawnAtTwiceItsSize)
{
    const QIcon icon = programIcon();
    for (const int size : kIconSizes) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size), 2.0);
        EXPECT_EQ(pixmap.size(), QSize(2 * size, 2 * size)) << size;
        EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32), drawIconImage(2 * size))
            << size;
    }
}

TEST(ProgramIconTest, AtDevicePixelRatioOneEverySizeIsItsOwnDrawing)
{
    const QIcon icon = programIcon();
    for (const int size : kIconSizes) {
        EXPECT_EQ(icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                  drawIconImage(size))
            << size;
    }
}

}  // namespace
}  // namespace harvela
