#include "tools/artwork/icon_picture.h"

#include "tools/artwork/box_downsample.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
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

Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalized(Vec3 v)
{
    const double length = std::sqrt(dot(v, v));
    return {v.x / length, v.y / length, v.z / length};
}

// A saddle with a gentle ripple: curved both ways, so the grid bends in every direction.
Vec3 surfacePoint(double u, double v)
{
    const double height = 0.38 * (u * u - v * v) + 0.06 * std::sin(3.0 * (u + v));
    return {u, v, height};
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
        return {x * perspective, -up * perspective, depth};
    }

    Vec3 viewDirection() const
    {
        return {std::sin(yaw) * std::cos(elevation), std::cos(yaw) * std::cos(elevation),
                -std::sin(elevation)};
    }
};

double parameter(int step) { return -1.0 + 2.0 * step / kSteps; }

int grey(double level) { return std::clamp(static_cast<int>(std::lround(level)), 0, 255); }

// The surface seen through the camera, its grid points projected once and fitted into a canvas.
class ProjectedSurface {
public:
    ProjectedSurface(const Camera& camera, QSizeF canvas)
    {
        m_points.reserve((kSteps + 1) * (kSteps + 1));
        for (int i = 0; i <= kSteps; ++i)
            for (int j = 0; j <= kSteps; ++j)
                m_points.push_back(camera.project(surfacePoint(parameter(i), parameter(j))));

        const auto by = [](double Vec3::*axis) {
            return [axis](const Vec3& a, const Vec3& b) { return a.*axis < b.*axis; };
        };
        const auto [left, right]
            = std::minmax_element(m_points.begin(), m_points.end(), by(&Vec3::x));
        const auto [top, bottom]
            = std::minmax_element(m_points.begin(), m_points.end(), by(&Vec3::y));
        const auto [nearest, farthest]
            = std::minmax_element(m_points.begin(), m_points.end(), by(&Vec3::z));
        const double margin = 0.06;
        m_scale = std::min(canvas.width() * (1 - 2 * margin) / (right->x - left->x),
                           canvas.height() * (1 - 2 * margin) / (bottom->y - top->y));
        m_offset = QPointF(canvas.width() / 2 - m_scale * (left->x + right->x) / 2,
                           canvas.height() / 2 - m_scale * (top->y + bottom->y) / 2);
        m_nearestDepth = nearest->z;
        m_farthestDepth = farthest->z;
    }

    QPointF at(int i, int j) const
    {
        const Vec3& point = m_points[static_cast<std::size_t>(i * (kSteps + 1) + j)];
        return {m_offset.x() + m_scale * point.x, m_offset.y() + m_scale * point.y};
    }

    double depthAt(int i, int j) const
    {
        return m_points[static_cast<std::size_t>(i * (kSteps + 1) + j)].z;
    }

    // 1 for the nearest point of the surface, 0 for the farthest.
    double nearness(double depth) const
    {
        return (m_farthestDepth - depth) / (m_farthestDepth - m_nearestDepth);
    }

private:
    std::vector<Vec3> m_points;
    double m_scale = 1;
    QPointF m_offset;
    double m_nearestDepth = 0;
    double m_farthestDepth = 1;
};

struct Cell {
    int firstI;
    int firstJ;
    double depth;
};

// Grid cells from the farthest to the nearest, so that nearer ones are painted over farther ones.
std::vector<Cell> cellsFarToNear(const ProjectedSurface& surface, int cellSteps)
{
    std::vector<Cell> cells;
    for (int i = 0; i < kSteps; i += cellSteps)
        for (int j = 0; j < kSteps; j += cellSteps)
            cells.push_back({i, j, surface.depthAt(i + cellSteps / 2, j + cellSteps / 2)});
    std::stable_sort(cells.begin(), cells.end(),
                     [](const Cell& a, const Cell& b) { return a.depth > b.depth; });
    return cells;
}

// Grey of the small flat facet at (i, j): lit from the upper left, the underside darker, and
// nearer parts a little brighter.
QColor facetShade(const Camera& camera, int i, int j, double nearness)
{
    static const Vec3 light = normalized({-0.8, -0.3, 0.5});
    const double u = parameter(i) + 1.0 / kSteps;
    const double v = parameter(j) + 1.0 / kSteps;
    const double d = 1e-4;
    Vec3 normal = normalized(cross(surfacePoint(u + d, v) - surfacePoint(u - d, v),
                                   surfacePoint(u, v + d) - surfacePoint(u, v - d)));
    const bool underside = dot(normal, camera.viewDirection()) > 0;
    if (underside)
        normal = {-normal.x, -normal.y, -normal.z};
    const double diffuse = std::max(0.0, dot(normal, light));
    const int level
        = grey((underside ? 10 : 14) + (underside ? 40 : 110) * diffuse * diffuse + 20 * nearness);
    return {level, level, level};
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

// One grid cell: its facets, then its four edges as grid lines.
void paintCell(QPainter& painter, const Camera& camera, const ProjectedSurface& surface,
               const Cell& cell, int cellSteps, double lineWidth)
{
    const double nearness = surface.nearness(cell.depth);
    // Without anti-aliasing neighbouring facets meet with no seam; the supersampling smooths
    // their outer edges.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    for (int i = cell.firstI; i < cell.firstI + cellSteps; ++i) {
        for (int j = cell.firstJ; j < cell.firstJ + cellSteps; ++j) {
            painter.setBrush(facetShade(camera, i, j, nearness));
            const QPointF corners[] = {surface.at(i, j), surface.at(i + 1, j),
                                       surface.at(i + 1, j + 1), surface.at(i, j + 1)};
            painter.drawPolygon(corners, 4);
        }
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    const int line = grey(110 + 120 * nearness);
    painter.setPen(
        QPen(QColor(line, line, line), lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const int i = cell.firstI;
    const int j = cell.firstJ;
    QPainterPath edges;
    edges.moveTo(surface.at(i, j));
    for (int k = 1; k <= cellSteps; ++k)
        edges.lineTo(surface.at(i + k, j));
    for (int k = 1; k <= cellSteps; ++k)
        edges.lineTo(surface.at(i + cellSteps, j + k));
    for (int k = 1; k <= cellSteps; ++k)
        edges.lineTo(surface.at(i + cellSteps - k, j + cellSteps));
    for (int k = 1; k <= cellSteps; ++k)
        edges.lineTo(surface.at(i, j + cellSteps - k));
    painter.drawPath(edges);
}

} // namespace

QImage drawIconPicture(QSize size)
{
    const Camera camera;
    const QSizeF canvas(size.width() * kSupersampling, size.height() * kSupersampling);
    const ProjectedSurface surface(camera, canvas);
    // Lines a little over half a pixel wide at the icon's own size, thicker in larger copies.
    // Below kSmallSide such lines would blur into the facets, and the icon into a grey blob: it
    // keeps every other grid line, a whole pixel wide.
    constexpr int kSmallSide = 32;
    const bool small = size.width() < kSmallSide;
    const int cellSteps = small ? 2 * kCellSteps : kCellSteps;
    const double lineWidth
        = small ? kSupersampling : 0.55 * kSupersampling * size.width() / kIconSize.width();

    QImage canvasImage(canvas.toSize(), QImage::Format_RGB32);
    QPainter painter(&canvasImage);
    paintBackground(painter, canvas);
    for (const Cell& cell : cellsFarToNear(surface, cellSteps))
        paintCell(painter, camera, surface, cell, cellSteps, lineWidth);
    painter.end();
    return boxDownsample(canvasImage, kSupersampling);
}

} // namespace tavenor::artwork
