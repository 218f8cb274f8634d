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

} // namespace

QByteArray icoFileOf(const QList<QImage>& images)
{
    QList<QByteArray> pngs;
    for (const QImage& image : images)
        pngs.append(pngOf(image));

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
        appendLittleEndian(file, 32, 2); // bits per pixel
        appendLittleEndian(file, static_cast<quint32>(pngs[index].size()), 4);
        appendLittleEndian(file, offset, 4);
        offset += static_cast<quint32>(pngs[index].size());
    }
    for (const QByteArray& png : pngs)
        file.append(png);
    return file;
}

} // namespace tavenor::artwork
