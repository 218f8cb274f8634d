#pragma once

#include <QImage>
#include <QSize>

namespace tavenor::artwork {

inline constexpr QSize kSplashSize{358, 268};

// The start-up banner: the title at the top left, a row of little pixel-art singers across the
// middle of a dark, starry sky, and a short line of text at the bottom right. Opaque (RGB32).
QImage drawSplashPicture();

} // namespace tavenor::artwork
