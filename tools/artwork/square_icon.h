#pragma once

#include <QImage>

namespace tavenor::artwork {

// Square copies of the program icon, for icon themes and for Windows.
inline constexpr int kThemeIconSides[] = {16, 24, 48, 64, 128, 256};
inline constexpr int kWindowsIconSides[] = {16, 24, 32, 48, 256};

// The icon drawn as large in a `side` x `side` square as the 46 x 45 icon sits in 48 x 48,
// centred on a transparent background. At 48 it holds the 46 x 45 icon pixel for pixel.
QImage drawSquareIcon(int side);

} // namespace tavenor::artwork
