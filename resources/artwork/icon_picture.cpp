#include "resources/artwork/icon_picture.h"

#include "resources/artwork/box_downsample.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tavenor::artwork {
namespace {

constexpr int kSupersampling = 8;
constexpr int kGridCells = 6;
// Each grid cell is filled as kCellSteps x kCellSteps flat facets, fine enough to look smooth.
constexpr int kCellSteps = 4;
constexpr int kSteps = kGridCells * kCellSteps;

struct Vec3 {
    double x, y, z;
};

Vec3 operator-(Vec3 a, Vec3 b)
{
    return { a.x - b.x, a.y - b.y, a.z - b.z };
}
double dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(Vec3 a, Vec3 b)
{
    return { a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x };
}
Vec3 normalized(Vec3 v)
{
    const double length = std::sqrt(dot(v, v));
    return { v.x / length, v.y / length, v.z / length };
}

// A saddle with a gentle ripple: curved both ways, so the grid bends in every direction.
Vec3 surfacePoint(double u, double v)
{
    const double height = 0.38 * (u * u - v * v) + 0.06 * std::sin(3.0 * (u + v));
    return { u, v, height };
}

// Looks down on the surface from the front, turned a little to the side.
struct Camera {
    double yaw = 0.3;
    double elevation = 0.6;
    double distance = 5.0;

    // Screen x, screen y (downwards) and depth (larger is farther) of a point.
    Vec3 project(Vec3 point) const
    {
        const double x = point.x * std::cos(yaw) - point.y * std::sin(yaw);
        const double y = point.x * std::sin(yaw) + point.y * std::cos(yaw);
        const double depth = y * std::cos(elevation) - point.z * std::sin(elevation);
        const double up = y * std::sin(elevation) + point.z * std::cos(elevation);
        const double perspective = distance / (distance + depth);
        return { x * perspective, -up * perspective, depth };
    }

    Vec3 viewDirection() const
    {
        return { std::sin(yaw) * std::cos(elevation), std::cos(yaw) * std::cos(elevation),
            -std::sin(elevation) };
    }
};

double parameter(int step)
{
    return -1.0 + 2.0 * step / kSteps;
}

int grey(double level)
{
    return std::clamp(static_cast<int>(std::lround(level)), 0, 255);
}

void paintBackground(QPainter& painter, QSizeF size)
{
    QRadialGradient glow(QPointF(size.width() * 0.45, size.height() * 0.35),
        std::max(size.width(), size.height()) * 0.8);
    glow.setColorAt(0.0, QColor(58, 58, 58));
    glow.setColorAt(0.55, QColor(24, 24, 24));
    glow.setColorAt(1.0, QColor(6, 6, 6));
    painter.fillRect(QRectF(QPointF(0, 0), size), glow);
}

} // namespace

QImage drawIconPicture(QSize size)
{
    const Camera camera;
    const Vec3 light = normalized({ -0.8, -0.3, 0.5 });

    // Projected grid points, and the frame that fits them into the picture.
    std::vector<Vec3> projected;
    projected.reserve((kSteps + 1) * (kSteps + 1));
    for (int i = 0; i <= kSteps; ++i)
        for (int j = 0; j <= kSteps; ++j)
            projected.push_back(camera.project(surfacePoint(parameter(i), parameter(j))));
    const auto at = [&projected](int i, int j) -> const Vec3& {
        return projected[static_cast<std::size_t>(i * (kSteps + 1) + j)];
    };
    auto [minX, maxX] = std::minmax_element(
        projected.begin(), projected.end(), [](const Vec3& a, const Vec3& b) { return a.x < b.x; });
    auto [minY, maxY] = std::minmax_element(
        projected.begin(), projected.end(), [](const Vec3& a, const Vec3& b) { return a.y < b.y; });
    const QSizeF canvas(size.width() * kSupersampling, size.height() * kSupersampling);
    const double margin = 0.06;
    const double scale = std::min(canvas.width() * (1 - 2 * margin) / (maxX->x - minX->x),
        canvas.height() * (1 - 2 * margin) / (maxY->y - minY->y));
    const QPointF offset(canvas.width() / 2 - scale * (minX->x + maxX->x) / 2,
        canvas.height() / 2 - scale * (minY->y + maxY->y) / 2);
    const auto toCanvas = [&](const Vec3& point) {
        return QPointF(offset.x() + scale * point.x, offset.y() + scale * point.y);
    };

    QImage canvasImage(canvas.toSize(), QImage::Format_RGB32);
    QPainter painter(&canvasImage);
    paintBackground(painter, canvas);

    // Far cells first, so nearer ones cover them.
    std::vector<std::array<int, 2>> cells;
    for (int i = 0; i < kGridCells; ++i)
        for (int j = 0; j < kGridCells; ++j)
            cells.push_back({ i, j });
    const auto cellDepth = [&](const std::array<int, 2>& cell) {
        const int i = cell[0] * kCellSteps + kCellSteps / 2;
        const int j = cell[1] * kCellSteps + kCellSteps / 2;
        return at(i, j).z;
    };
    std::stable_sort(cells.begin(), cells.end(),
        [&](const auto& a, const auto& b) { return cellDepth(a) > cellDepth(b); });

    const double depthRange = std::max(std::abs(minY->z), 1.0) * 2;
    const Vec3 view = camera.viewDirection();
    for (const auto& cell : cells) {
        const int firstI = cell[0] * kCellSteps;
        const int firstJ = cell[1] * kCellSteps;
        const double nearness = std::clamp(0.5 - cellDepth(cell) / depthRange, 0.0, 1.0);

        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        for (int i = firstI; i < firstI + kCellSteps; ++i) {
            for (int j = firstJ; j < firstJ + kCellSteps; ++j) {
                const double u = parameter(i) + 1.0 / kSteps;
                const double v = parameter(j) + 1.0 / kSteps;
                const double d = 1e-4;
                Vec3 normal = normalized(cross(surfacePoint(u + d, v) - surfacePoint(u - d, v),
                    surfacePoint(u, v + d) - surfacePoint(u, v - d)));
                const bool underside = dot(normal, view) > 0;
                if (underside)
                    normal = { -normal.x, -normal.y, -normal.z };
                const double diffuse = std::max(0.0, dot(normal, light));
                const double level = (underside ? 10 : 14)
                    + (underside ? 40 : 110) * diffuse * diffuse + 20 * nearness;
                painter.setBrush(QColor(grey(level), grey(level), grey(level)));
                const QPointF corners[] = { toCanvas(at(i, j)), toCanvas(at(i + 1, j)),
                    toCanvas(at(i + 1, j + 1)), toCanvas(at(i, j + 1)) };
                painter.drawPolygon(corners, 4);
            }
        }

        painter.setRenderHint(QPainter::Antialiasing, true);
        const int line = grey(110 + 120 * nearness);
        painter.setPen(
            QPen(QColor(line, line, line), 0.55 * kSupersampling * size.width() / kIconSize.width(),
                Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        QPainterPath outline;
        outline.moveTo(toCanvas(at(firstI, firstJ)));
        for (int k = 1; k <= kCellSteps; ++k)
            outline.lineTo(toCanvas(at(firstI + k, firstJ)));
        for (int k = 1; k <= kCellSteps; ++k)
            outline.lineTo(toCanvas(at(firstI + kCellSteps, firstJ + k)));
        for (int k = 1; k <= kCellSteps; ++k)
            outline.lineTo(toCanvas(at(firstI + kCellSteps - k, firstJ + kCellSteps)));
        for (int k = 1; k <= kCellSteps; ++k)
            outline.lineTo(toCanvas(at(firstI, firstJ + kCellSteps - k)));
        painter.drawPath(outline);
    }
    painter.end();
    return boxDownsample(canvasImage, kSupersampling);
}

} // namespace tavenor::artwork
