#include "tools/artwork/box_downsample.h"

namespace tavenor::artwork {

QImage boxDownsample(const QImage& image, int factor)
{
    const QImage source = image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QImage result(source.width() / factor, source.height() / factor, source.format());
    const int count = factor * factor;
    for (int y = 0; y < result.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            int red = 0, green = 0, blue = 0, alpha = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const auto* in
                    = reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb pixel = in[x * factor + dx];
                    red += qRed(pixel);
                    green += qGreen(pixel);
                    blue += qBlue(pixel);
                    alpha += qAlpha(pixel);
                }
            }
            // Rounded to nearest, so a flat area keeps its exact colour.
            out[x] = qRgba((red + count / 2) / count, (green + count / 2) / count,
                           (blue + count / 2) / count, (alpha + count / 2) / count);
        }
    }
    return result;
}

} // namespace tavenor::artwork
