#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace tavenor::artwork {

// A Windows .ico file holding `images` (each at most 256 x 256), each stored as a PNG.
QByteArray icoFileOf(const QList<QImage>& images);

} // namespace tavenor::artwork
