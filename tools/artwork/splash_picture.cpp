#include "tools/artwork/splash_picture.h"

#include "tools/artwork/pixel_figures.h"
#include "tools/artwork/pixel_font.h"
#include "tools/artwork/pixel_hanzi.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tavenor::artwork {
namespace {

constexpr int kHorizon = 176;
constexpr int kFigureScale = 2;
constexpr std::string_view kTitle = "Tavenor";
// "Sing Chinese in Japanese".
constexpr std::string_view kTagLine = "用日语唱中文";

// A fixed little generator, so the same stars come out on every machine and compiler.
class StarRandom {
public:
    std::uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint32_t>(bound)); }

private:
    std::uint32_t m_state = 20240229u;
};

void paintSky(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(6, 8, 26));
    sky.setColorAt(0.6, QColor(20, 16, 56));
    sky.setColorAt(1.0, QColor(64, 26, 86));
    painter.fillRect(0, 0, kSplashSize.width(), kHorizon, sky);

    QLinearGradient ground(0, kHorizon, 0, kSplashSize.height());
    ground.setColorAt(0.0, QColor(30, 12, 46));
    ground.setColorAt(1.0, QColor(6, 4, 14));
    painter.fillRect(0, kHorizon, kSplashSize.width(), kSplashSize.height() - kHorizon, ground);

    // Faint clouds of colour, so the sky has depth.
    const auto glow = [&painter](QPointF centre, double radius, QColor colour) {
        QRadialGradient gradient(centre, radius);
        gradient.setColorAt(0.0, colour);
        colour.setAlpha(0);
        gradient.setColorAt(1.0, colour);
        painter.fillRect(0, 0, kSplashSize.width(), kHorizon, gradient);
    };
    glow({270, 40}, 120, QColor(40, 90, 160, 60));
    glow({80, 150}, 140, QColor(150, 40, 140, 50));
}

void paintStars(QPainter& painter)
{
    StarRandom random;
    for (int star = 0; star < 150; ++star) {
        const int x = random.below(kSplashSize.width());
        const int y = random.below(kHorizon - 4);
        const int brightness = 90 + random.below(166);
        const int tint = random.below(3);
        const QColor colour(tint == 0 ? brightness * 4 / 5 : brightness, brightness,
                            tint == 1 ? brightness * 4 / 5 : brightness);
        painter.fillRect(x, y, 1, 1, colour);
        // Now and then a bright star with little rays.
        if (random.below(12) == 0) {
            const QColor ray(colour.red() / 2, colour.green() / 2, colour.blue() / 2);
            painter.fillRect(x - 1, y, 1, 1, ray);
            painter.fillRect(x + 1, y, 1, 1, ray);
            painter.fillRect(x, y - 1, 1, 1, ray);
            painter.fillRect(x, y + 1, 1, 1, ray);
        }
    }
}

// A pixel crescent: a disc with a second disc cut out of it, no anti-aliasing.
void paintMoon(QPainter& painter)
{
    const QPoint centre(318, 34);
    const int radius = 13;
    for (int y = -radius; y <= radius; ++y) {
        for (int x = -radius; x <= radius; ++x) {
            const bool inDisc = x * x + y * y <= radius * radius;
            const bool inShadow = (x + 6) * (x + 6) + (y + 3) * (y + 3) <= radius * radius;
            if (inDisc && !inShadow)
                painter.fillRect(centre.x() + x, centre.y() + y, 1, 1,
                                 x * x + y * y >= (radius - 1) * (radius - 1)
                                     ? QColor(230, 214, 150)
                                     : QColor(255, 244, 196));
        }
    }
}

// A grid floor running to the horizon, the stage the singers stand on.
void paintFloor(QPainter& painter)
{
    const double vanishingX = kSplashSize.width() / 2.0;
    const int depth = kSplashSize.height() - kHorizon;
    for (int line = 1; line < 14; ++line) {
        const double distance = line * line / 196.0;
        const int y = kHorizon + static_cast<int>(std::lround(distance * depth));
        const int alpha = std::min(255, 40 + line * 14);
        painter.fillRect(0, y, kSplashSize.width(), 1, QColor(180, 70, 200, alpha));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int line = -12; line <= 12; ++line) {
        const double bottomX = vanishingX + line * 40.0;
        QLinearGradient fade(0, kHorizon, 0, kSplashSize.height());
        fade.setColorAt(0.0, QColor(180, 70, 200, 20));
        fade.setColorAt(1.0, QColor(180, 70, 200, 200));
        painter.setPen(QPen(QBrush(fade), 1.0));
        painter.drawLine(QPointF(vanishingX + line * 4.0, kHorizon),
                         QPointF(bottomX, kSplashSize.height()));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient haze(0, kHorizon - 14, 0, kHorizon + 10);
    haze.setColorAt(0.0, QColor(255, 90, 200, 0));
    haze.setColorAt(0.58, QColor(255, 90, 200, 70));
    haze.setColorAt(1.0, QColor(255, 90, 200, 0));
    painter.fillRect(0, kHorizon - 14, kSplashSize.width(), 24, haze);
    painter.fillRect(0, kHorizon, kSplashSize.width(), 1, QColor(255, 120, 220));
}

void paintTitle(QPainter& painter)
{
    const int scale = 4;
    const QPoint origin(14, 12);
    // Each font pixel a little wider than tall, for heavier strokes that still keep a gap.
    const auto block = [&](int column, int row, int dx, int dy, QColor colour) {
        painter.fillRect(origin.x() + column * scale + dx, origin.y() + row * scale + dy, scale + 2,
                         scale, colour);
    };
    // Shadow, then a dark rim, then the letters shaded from white-cyan to deep cyan.
    forEachPixelOfText(kTitle,
                       [&](int column, int row) { block(column, row, 4, 4, QColor(60, 20, 90)); });
    forEachPixelOfText(kTitle, [&](int column, int row) {
        for (const auto& [dx, dy] : {std::pair{-2, 0}, {2, 0}, {0, -2}, {0, 2}})
            block(column, row, dx, dy, QColor(10, 20, 50));
    });
    const QColor rows[] = {QColor(230, 255, 255), QColor(190, 255, 255), QColor(120, 250, 255),
                           QColor(0, 255, 255),   QColor(0, 220, 240),   QColor(0, 180, 220),
                           QColor(0, 140, 200),   QColor(0, 110, 180),   QColor(0, 90, 160)};
    forEachPixelOfText(kTitle, [&](int column, int row) { block(column, row, 0, 0, rows[row]); });
}

void paintSingers(QPainter& painter)
{
    const int width = kFigureWidth * kFigureScale;
    const int height = kFigureHeight * kFigureScale;
    const int feet = kHorizon + 6;
    const int count = figureCount();
    for (int index = 0; index < count; ++index) {
        const int centre = kSplashSize.width() * (2 * index + 1) / (2 * count);
        const QPoint topLeft(centre - width / 2, feet - height);

        QImage figure(width, height, QImage::Format_ARGB32_Premultiplied);
        figure.fill(Qt::transparent);
        QPainter figurePainter(&figure);
        drawFigure(figurePainter, index, QPoint(0, 0), kFigureScale);
        figurePainter.end();

        // A reflection in the glossy floor: upside down under the feet, fading away.
        QImage reflection = figure.mirrored(false, true);
        QPainter reflectionPainter(&reflection);
        reflectionPainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, 0, 0, height);
        fade.setColorAt(0.0, QColor(0, 0, 0, 90));
        fade.setColorAt(0.8, QColor(0, 0, 0, 0));
        reflectionPainter.fillRect(reflection.rect(), fade);
        reflectionPainter.end();
        painter.drawImage(QPoint(topLeft.x(), feet), reflection);

        painter.drawImage(topLeft, figure);
    }
}

// Musical notes floating over the singers, in the colours of the result boxes.
void paintNotes(QPainter& painter)
{
    constexpr std::string_view kQuaver[] = {
        "..#..", "..##.", "..#.#", "..#.#", ".##..", "###..", ".#...",
    };
    constexpr std::string_view kBeamedPair[] = {
        "..######", "..######", "..#....#", "..#....#", ".##...##", "###..###", ".#....#.",
    };
    const QColor colours[] = {QColor(0, 255, 255), QColor(0, 255, 0), QColor(255, 255, 0)};
    const int count = figureCount();
    for (int gap = 0; gap + 1 < count; ++gap) {
        const int x = kSplashSize.width() * (gap + 1) / count - 5;
        const int y = (gap % 2 == 0) ? 112 : 100;
        const auto& art = gap % 2 == 0 ? kQuaver : kBeamedPair;
        for (int row = 0; row < static_cast<int>(std::size(art)); ++row)
            for (int column = 0; column < static_cast<int>(art[row].size()); ++column)
                if (art[row][static_cast<std::size_t>(column)] == '#')
                    painter.fillRect(x + column * 2, y + row * 2, 2, 2, colours[gap % 3]);
    }
}

void paintTagLine(QPainter& painter)
{
    const int right = kSplashSize.width() - 10;
    const int top = kSplashSize.height() - 19;
    const int left = right - pixelHanziWidth(kTagLine);
    // A one-pixel drop shadow keeps the strokes clear of the grid lines behind them.
    forEachPixelOfHanzi(kTagLine, [&](int column, int row) {
        painter.fillRect(left + column + 1, top + row + 1, 1, 1, QColor(10, 4, 20));
    });
    forEachPixelOfHanzi(kTagLine, [&](int column, int row) {
        painter.fillRect(left + column, top + row, 1, 1, QColor(255, 255, 160));
    });
}

} // namespace

QImage drawSplashPicture()
{
    QImage image(kSplashSize, QImage::Format_RGB32);
    QPainter painter(&image);
    paintSky(painter);
    paintStars(painter);
    paintMoon(painter);
    paintFloor(painter);
    paintTitle(painter);
    paintSingers(painter);
    paintNotes(painter);
    paintTagLine(painter);
    painter.end();
    return image;
}

} // namespace tavenor::artwork
