#include "tools/artwork/square_icon.h"

#include "tools/artwork/icon_picture.h"

#include <QPainter>

namespace tavenor::artwork {

QImage drawSquareIcon(int side)
{
    const int padded = 48;
    const QSize content((side * kIconSize.width() + padded / 2) / padded,
                        (side * kIconSize.height() + padded / 2) / padded);
    QImage square(side, side, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage(QPoint((side - content.width()) / 2, (side - content.height()) / 2),
                      drawIconPicture(content));
    painter.end();
    return square;
}

} // namespace tavenor::artwork
