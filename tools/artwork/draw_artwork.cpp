// Draws the splash picture and every icon file into a source tree:
//     tavenor-draw-artwork SOURCE_DIR
// The results are committed; run this (through the redraw-artwork build target) after changing
// the drawing code.

#include "tools/artwork/ico_file.h"
#include "tools/artwork/icon_picture.h"
#include "tools/artwork/splash_picture.h"
#include "tools/artwork/square_icon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdio>

namespace {

using namespace tavenor::artwork;

bool report(bool written, const QString& path)
{
    std::printf("%s %s\n", written ? "wrote" : "FAILED to write", qPrintable(path));
    return written;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return report(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
                      && file.write(bytes) == bytes.size() && file.flush(),
                  path);
}

bool save(const QImage& image, const QString& path)
{
    return report(QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG"), path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SOURCE_DIR\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));

    // 24 bits per pixel, no alpha channel: that is what the splash and the icon are.
    bool ok = save(drawSplashPicture().convertToFormat(QImage::Format_RGB888),
                   root.filePath("resources/splash.png"));
    ok = save(drawIconPicture(kIconSize).convertToFormat(QImage::Format_RGB888),
              root.filePath("resources/icon.png"))
        && ok;

    for (const int side : kThemeIconSides)
        ok = save(drawSquareIcon(side),
                  root.filePath(QStringLiteral("packaging/icons/%1x%1.png").arg(side)))
            && ok;

    // The square sizes that desktops ask for, then the program's own 46 x 45 picture, 24-bit.
    QList<QImage> windowsIcons;
    for (const int side : kWindowsIconSides)
        windowsIcons.append(drawSquareIcon(side));
    windowsIcons.append(drawIconPicture(kIconSize).convertToFormat(QImage::Format_RGB888));
    ok = writeFile(root.filePath("packaging/windows/tavenor.ico"), icoFileOf(windowsIcons)) && ok;

    return ok ? 0 : 1;
}
