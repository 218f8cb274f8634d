#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace tavenor::artwork {

// A Windows .ico file holding `images` (each at most 256 x 256): those with an alpha channel as
// 32-bit PNGs, opaque ones as 24-bit bitmaps.
QByteArray icoFileOf(const QList<QImage>& images);

} // namespace tavenor::artwork
