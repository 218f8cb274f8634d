#include "tools/artwork/icon_picture.h"
#include "tools/artwork/splash_picture.h"
#include "tools/artwork/square_icon.h"

#include <QFile>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <iterator>

namespace {

using namespace tavenor::artwork;

QString sourcePath(const QString& relative)
{
    return QStringLiteral(TAVENOR_SOURCE_DIR "/") + relative;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 bigEndianAt(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int byte = 0; byte < 4; ++byte)
        value = (value << 8) | static_cast<quint8>(bytes[offset + byte]);
    return value;
}

// The largest difference in any channel. Drawing again on another processor may round a
// gradient a step differently; anything the drawing code changes differs by far more.
int largestChannelDifference(const QImage& first, const QImage& second)
{
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest
                = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                            std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

constexpr int kRoundingTolerance = 2;
constexpr char kRedrawHint[] = "out of step with the drawing code; redraw: cmake --build --preset "
                               "dev --target redraw-artwork";

} // namespace

class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    // The program file embeds exactly these: 24 bits per pixel, no alpha channel.
    void picturesAreOpaque24BitPngs_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("splash") << "resources/splash.png" << QSize(358, 268);
        QTest::newRow("icon") << "resources/icon.png" << QSize(46, 45);
    }

    void picturesAreOpaque24BitPngs()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QByteArray png = fileBytes(sourcePath(path));
        QVERIFY2(png.startsWith("\x89PNG\r\n\x1a\n"), "not a PNG file");
        QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(bigEndianAt(png, 16), static_cast<quint32>(size.width()));
        QCOMPARE(bigEndianAt(png, 20), static_cast<quint32>(size.height()));
        QCOMPARE(static_cast<int>(png[24]), 8); // bits per channel
        QCOMPARE(static_cast<int>(png[25]), 2); // colour type: RGB, no alpha, no palette

        const QImage image = QImage::fromData(png, "PNG");
        QCOMPARE(image.size(), size);
        QVERIFY(!image.hasAlphaChannel());
    }

    void committedFilesMatchTheDrawingCode_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QImage>("drawn");
        QTest::newRow("splash") << "resources/splash.png" << drawSplashPicture();
        QTest::newRow("icon") << "resources/icon.png" << drawIconPicture(kIconSize);
        for (const int side : kThemeIconSides) {
            const QString path = QStringLiteral("packaging/icons/%1x%1.png").arg(side);
            QTest::newRow(qPrintable(path)) << path << drawSquareIcon(side);
        }
    }

    void committedFilesMatchTheDrawingCode()
    {
        QFETCH(QString, path);
        QFETCH(QImage, drawn);
        const QImage committed(sourcePath(path));
        QVERIFY2(!committed.isNull(), "cannot read the file");
        QCOMPARE(committed.size(), drawn.size());
        QCOMPARE(committed.hasAlphaChannel(), drawn.hasAlphaChannel());
        QVERIFY2(largestChannelDifference(committed, drawn) <= kRoundingTolerance, kRedrawHint);
    }

    // The square sizes, then the 46 x 45 picture as a 24-bit entry.
    void windowsIconHoldsEverySize()
    {
        const QString path = sourcePath("packaging/windows/tavenor.ico");
        QList<QImage> drawn;
        for (const int side : kWindowsIconSides)
            drawn.append(drawSquareIcon(side));
        drawn.append(drawIconPicture(kIconSize));
        QImageReader reader(path, "ico");
        QCOMPARE(reader.imageCount(), drawn.size());
        for (int index = 0; index < reader.imageCount(); ++index) {
            QVERIFY(reader.jumpToImage(index));
            const QImage entry = reader.read();
            QVERIFY2(!entry.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(entry.size(), drawn[index].size());
            QVERIFY2(largestChannelDifference(entry, drawn[index]) <= kRoundingTolerance,
                     kRedrawHint);
        }
        // The directory entry of the last image: 46 wide, 45 high, 24 bits per pixel.
        const QByteArray directoryEntry = fileBytes(path).mid(6 + 16 * (drawn.size() - 1), 16);
        QCOMPARE(static_cast<quint8>(directoryEntry[0]), 46);
        QCOMPARE(static_cast<quint8>(directoryEntry[1]), 45);
        QCOMPARE(static_cast<quint8>(directoryEntry[6]), 24);
    }

    // At theme size 48 the icon must not be resampled: it is the 46 x 45 icon with a
    // transparent margin.
    void squareIconHoldsTheIconUnscaled()
    {
        const QImage square = drawSquareIcon(48);
        const QRect inner(QPoint(1, 1), kIconSize);
        QCOMPARE(square.copy(inner).convertToFormat(QImage::Format_ARGB32),
                 drawIconPicture(kIconSize).convertToFormat(QImage::Format_ARGB32));
        for (int y = 0; y < square.height(); ++y)
            for (int x = 0; x < square.width(); ++x)
                if (!inner.contains(x, y))
                    QCOMPARE(qAlpha(square.pixel(x, y)), 0);
    }
};

QTEST_GUILESS_MAIN(ArtworkTest)
#include "artwork_test.moc"
