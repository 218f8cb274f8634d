#pragma once

#include <QImage>
#include <QSize>

namespace tavenor::artwork {

// The size of the program file's icon.
inline constexpr QSize kIconSize{46, 45};

// The program icon: a dark, grey-scale picture of a curved surface covered by a grid. It is
// drawn from geometry, not from pixels, so every size is sharp. Opaque (RGB32).
QImage drawIconPicture(QSize size);

} // namespace tavenor::artwork
