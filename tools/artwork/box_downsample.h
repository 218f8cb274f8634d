#pragma once

#include <QImage>

namespace tavenor::artwork {

// Shrinks `image` by `factor` in both directions, each output pixel the plain average of the
// factor x factor block it covers. Drawing large and averaging gives clean anti-aliasing with no
// seams between adjacent filled shapes. Keeps the alpha channel if `image` has one.
QImage boxDownsample(const QImage& image, int factor);

} // namespace tavenor::artwork
