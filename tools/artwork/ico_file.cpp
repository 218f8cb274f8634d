#include "tools/artwork/ico_file.h"

#include <QBuffer>

namespace tavenor::artwork {
namespace {

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int byte = 0; byte < size; ++byte)
        bytes.append(static_cast<char>((value >> (8 * byte)) & 0xFF));
}

QByteArray pngOf(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return png;
}

// An icon entry in the classic form: a bitmap header, the pixels bottom-up as blue, green, red,
// each row padded to four bytes, then an all-clear transparency mask of one bit a pixel.
QByteArray bitmapOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const int pixelRowSize = (3 * width + 3) / 4 * 4;
    const int maskRowSize = (width + 31) / 32 * 4;
    QByteArray bitmap;
    appendLittleEndian(bitmap, 40, 4); // header size
    appendLittleEndian(bitmap, static_cast<quint32>(width), 4);
    appendLittleEndian(bitmap, static_cast<quint32>(2 * height), 4); // pixels and mask
    appendLittleEndian(bitmap, 1, 2); // colour planes
    appendLittleEndian(bitmap, 24, 2); // bits per pixel
    appendLittleEndian(bitmap, 0, 4); // no compression
    appendLittleEndian(bitmap, static_cast<quint32>((pixelRowSize + maskRowSize) * height), 4);
    appendLittleEndian(bitmap, 0, 16); // resolution and palette: unused
    for (int y = height - 1; y >= 0; --y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            bitmap.append(static_cast<char>(row[3 * x + 2]));
            bitmap.append(static_cast<char>(row[3 * x + 1]));
            bitmap.append(static_cast<char>(row[3 * x]));
        }
        bitmap.append(pixelRowSize - 3 * width, '\0');
    }
    bitmap.append(maskRowSize * height, '\0');
    return bitmap;
}

} // namespace

QByteArray icoFileOf(const QList<QImage>& images)
{
    QList<QByteArray> entries;
    for (const QImage& image : images)
        entries.append(image.hasAlphaChannel() ? pngOf(image) : bitmapOf(image));

    QByteArray file;
    appendLittleEndian(file, 0, 2); // reserved
    appendLittleEndian(file, 1, 2); // type: icon
    appendLittleEndian(file, static_cast<quint32>(images.size()), 2);
    const int directorySize = 6 + 16 * static_cast<int>(images.size());
    quint32 offset = static_cast<quint32>(directorySize);
    for (qsizetype index = 0; index < images.size(); ++index) {
        const QImage& image = images[index];
        // A side of 256 is written as 0: the field is one byte.
        appendLittleEndian(file, static_cast<quint32>(image.width() % 256), 1);
        appendLittleEndian(file, static_cast<quint32>(image.height() % 256), 1);
        appendLittleEndian(file, 0, 1); // no palette
        appendLittleEndian(file, 0, 1); // reserved
        appendLittleEndian(file, 1, 2); // colour planes
        appendLittleEndian(file, image.hasAlphaChannel() ? 32 : 24, 2); // bits per pixel
        appendLittleEndian(file, static_cast<quint32>(entries[index].size()), 4);
        appendLittleEndian(file, offset, 4);
        offset += static_cast<quint32>(entries[index].size());
    }
    for (const QByteArray& entry : entries)
        file.append(entry);
    return file;
}

} // namespace tavenor::artwork
