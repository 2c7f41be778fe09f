// SPDX-License-Identifier: Apache-2.0
#pragma once

// The program's icon, drawn in code: a red tile with two white arrows, one
// each way, for the conversions. drawIconImage draws it at any size. The
// window's icon carries the kIconSizes images and, so that each stays crisp
// at a device pixel ratio of 2, images of twice those sizes; the desktop's
// icon theme gets the kThemeIconSizes images (rendered at build time by
// harvela_render_icons).

#include <QIcon>
#include <QImage>

#include <array>

namespace harvela {

inline constexpr std::array<int, 5> kIconSizes = {16, 32, 48, 64, 128};
inline constexpr std::array<int, 8> kThemeIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

QImage drawIconImage(int size);
QIcon programIcon();

}  // namespace harvela
