// SPDX-License-Identifier: Apache-2.0
#include "ui/program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <set>

namespace harvela {

namespace {

const QColor kTileTop(0xD3, 0x2F, 0x2F);
const QColor kTileBottom(0x9A, 0x0F, 0x0F);
const QColor kGold(0xFF, 0xD5, 0x4F);

// A horizontal arrow across the tile at height y (fractions of the size),
// pointing right or left.
QPainterPath arrow(double size, double y, bool pointsRight)
{
    const double left = size * 0.20;
    const double right = size * 0.80;
    const double head = size * 0.17;
    const double tip = pointsRight ? right : left;
    const double back = pointsRight ? right - head : left + head;
    QPainterPath path;
    path.moveTo(pointsRight ? left : right, y * size);
    path.lineTo(tip, y * size);
    path.moveTo(back, y * size - head * 0.75);
    path.lineTo(tip, y * size);
    path.lineTo(back, y * size + head * 0.75);
    return path;
}

}  // namespace

QImage drawIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const double s = size;
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient gradient(tile.topLeft(), tile.bottomLeft());
    gradient.setColorAt(0, kTileTop);
    gradient.setColorAt(1, kTileBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(tile, s * 0.2, s * 0.2);

    if (size >= 32) {
        // A thin gold rim, too fine to show at the smallest size.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kGold, s * 0.03));
        painter.drawRoundedRect(tile.adjusted(s * 0.07, s * 0.07, -s * 0.07, -s * 0.07), s * 0.13,
                                s * 0.13);
    }

    QPen stroke(Qt::white, std::max(1.5, s * 0.09), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(stroke);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow(s, 0.37, true));
    painter.drawPath(arrow(s, 0.63, false));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QIcon programIcon()
{
    std::set<int> sizes;
    for (const int size : kIconSizes) {
        sizes.insert(size);
        sizes.insert(2 * size);
    }
    QIcon icon;
    for (const int size : sizes) {
        icon.addPixmap(QPixmap::fromImage(drawIconImage(size)));
    }
    return icon;
}

}  // namespace harvela
