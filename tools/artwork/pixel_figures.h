#pragma once

#include <QPainter>
#include <QPoint>

namespace tavenor::artwork {

// The little singers of the splash picture, in pixel art.
inline constexpr int kFigureWidth = 18;
inline constexpr int kFigureHeight = 22;
int figureCount();

// Draws figure `index` with its top-left at `topLeft`; one art pixel is `scale` image pixels.
void drawFigure(QPainter& painter, int index, QPoint topLeft, int scale);

} // namespace tavenor::artwork
