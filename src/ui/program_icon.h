// SPDX-License-Identifier: Apache-2.0
#pragma once

// The program's icon, drawn in code: a red tile with two white arrows, one
// each way, for the conversions; images of 16, 32, 48, 64 and 128 pixels.

#include <QIcon>
#include <QImage>

#include <array>

namespace harvela {

inline constexpr std::array<int, 5> kIconSizes = {16, 32, 48, 64, 128};

QImage drawIconImage(int size);
QIcon programIcon();

}  // namespace harvela
