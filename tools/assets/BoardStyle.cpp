#include "BoardStyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "Picture.h"
#include "board/BoardGeometry.h"

namespace halmora::assets {
namespace {

QPointF Turn(QPointF p, QPointF centre, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    const QPointF d = p - centre;
    return {centre.x() + d.x() * std::cos(a) - d.y() * std::sin(a),
            centre.y() + d.x() * std::sin(a) + d.y() * std::cos(a)};
}

}  // namespace

bool IsHole(int col, int row) {
    return IsHolePlace(col, row);
}

QPoint HoleCorner(const BoardSize& size, int col, int row) {
    const double stepX = size.hole + size.gapX;
    const double stepY = size.hole + size.gapY;
    double x = size.originX + (col - 2) * stepX;
    if (row % 2 == 0)
        x += stepX / 2;
    const double y = size.originY + (row - 1) * stepY;
    return {static_cast<int>(x), static_cast<int>(y)};
}

QPointF HoleCentre(const BoardSize& size, int col, int row) {
    return QPointF(HoleCorner(size, col, row)) + QPointF(size.hole / 2.0, size.hole / 2.0);
}

QPointF StarCentre(const BoardSize& size) {
    return {1.5 * size.baseLeft, 2.0 * size.baseY};
}

std::array<QPolygonF, kColourCount> StarTriangles(const BoardSize& size) {
    const QPointF centre = StarCentre(size);
    const QPolygonF top({QPointF(size.apexX, 0), QPointF(size.baseRight, size.baseY),
                         QPointF(size.baseLeft, size.baseY)});
    std::array<QPolygonF, kColourCount> out;
    for (int i = 0; i < kColourCount; ++i) {
        for (const QPointF& corner : top)
            out[i] << Turn(corner, centre, 60.0 * i);
    }
    return out;
}

QPolygonF StarHexagon(const BoardSize& size) {
    QPolygonF hexagon;
    for (int i = 0; i < kColourCount; ++i)
        hexagon << Turn(QPointF(size.baseLeft, size.baseY), StarCentre(size), 60.0 * i);
    return hexagon;
}

QPolygonF StarOutline(const BoardSize& size) {
    const auto triangles = StarTriangles(size);
    QPolygonF outline;
    for (const QPolygonF& t : triangles)
        outline << t[0] << t[1];
    return outline;
}

int StartingColourAt(int col, int row) {
    if (!IsHole(col, row))
        return -1;
    // Rows 1..4 and 14..17 are the top and bottom tips; rows 5..8 and 10..13 hold the side tips
    // outside the hexagon's columns for that row.
    if (row <= 4)
        return 0;
    if (row >= 14)
        return 3;
    const int hexFirst[19] = {0, 0, 0, 0, 0, 6, 5, 5, 4, 4, 4, 5, 5, 6, 0, 0, 0, 0, 0};
    const int hexLast[19] = {0, 0, 0, 0, 0, 10, 10, 11, 11, 12, 11, 11, 10, 10, 0, 0, 0, 0, 0};
    if (col >= hexFirst[row] && col <= hexLast[row])
        return -1;
    const bool right = col > hexLast[row];
    if (row <= 8)
        return right ? 1 : 5;
    if (row >= 10)
        return right ? 2 : 4;
    return -1;
}

void PaintStarBoard(QPainter& p, const BoardSize& size, const StarPaint& style) {
    const QPointF centre = StarCentre(size);
    const double scale = size.pixels / 600.0;
    const auto triangles = StarTriangles(size);

    // Each tip shades from a lighter inner edge to a deeper point, as if lit from the centre.
    for (int i = 0; i < kColourCount; ++i) {
        const QColor colour = ToQColor(kMarbleRgb[i]);
        const QPointF tip = triangles[i][0];
        const QPointF base = (triangles[i][1] + triangles[i][2]) / 2;
        QLinearGradient fill(base, tip);
        fill.setColorAt(0.0, Lighter(colour, 0.18));
        fill.setColorAt(1.0, Darker(colour, 0.12));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPolygon(triangles[i]);
    }

    QRadialGradient wood(centre, size.baseY * 1.1);
    const QColor hex = ToQColor(kHexagonRgb);
    wood.setColorAt(0.0, Lighter(hex, 0.12));
    wood.setColorAt(1.0, Darker(hex, 0.06));
    p.setBrush(wood);
    p.drawPolygon(StarHexagon(size));

    // A thin dark rim gives the star a cut edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 50, 30, 200), 1.2 * std::max(scale * 2, 0.8), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(StarOutline(size));

    if (style.gridLines) {
        p.setPen(QPen(QColor(40, 30, 20), style.lineWidth, Qt::SolidLine, Qt::RoundCap));
        for (int row = 0; row < 19; ++row) {
            for (int col = 0; col < 19; ++col) {
                if (!IsHole(col, row))
                    continue;
                const QPointF a = HoleCentre(size, col, row);
                // Join each hole to its right, lower-right and lower-left neighbours.
                const int lowerLeft = (row % 2 == 0) ? col : col - 1;
                const int neighbours[3][2] = {
                    {col + 1, row}, {lowerLeft + 1, row + 1}, {lowerLeft, row + 1}};
                for (const auto& n : neighbours) {
                    if (IsHole(n[0], n[1]))
                        p.drawLine(a, HoleCentre(size, n[0], n[1]));
                }
            }
        }
    }

    if (style.holes) {
        const double r = size.hole / 2.0;
        for (int row = 0; row < 19; ++row) {
            for (int col = 0; col < 19; ++col) {
                if (!IsHole(col, row))
                    continue;
                const QPointF c = HoleCentre(size, col, row);
                QRadialGradient pit(c + QPointF(r * 0.3, r * 0.35), r * 1.1);
                pit.setColorAt(0.0, QColor(60, 46, 34));
                pit.setColorAt(0.6, QColor(38, 28, 20));
                pit.setColorAt(1.0, QColor(20, 14, 10));
                p.setPen(QPen(QColor(255, 245, 225, 110), std::max(0.8, r * 0.18)));
                p.setBrush(pit);
                p.drawEllipse(c, r * 0.85, r * 0.85);
            }
        }
    }
}

}  // namespace halmora::assets
