#include "ResourceArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <numbers>

#include "BoardStyle.h"
#include "LogoArt.h"
#include "MarbleArt.h"
#include "Picture.h"

namespace halmora::assets {
namespace {

constexpr int kSupersample = 4;
const QColor kInk(28, 32, 44);

QPointF Polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(std::cos(a), std::sin(a)) * radius;
}

// Strokes a path twice, dark and wide first, so that a coloured stroke keeps a crisp edge on
// any toolbar background once the picture is cut from its transparent ground.
void OutlinedStroke(QPainter& p, const QPainterPath& path, double width, const QBrush& fill) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void OutlinedFill(QPainter& p, const QPainterPath& path, const QBrush& fill, double ink = 1.2) {
    p.setPen(QPen(kInk, ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QLinearGradient Vertical(double top, double bottom, QColor light, QColor dark) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, light);
    g.setColorAt(1.0, dark);
    return g;
}

// A circular arrow sweeping clockwise (on the screen) from `from` to `to` degrees.
void CircularArrow(QPainter& p, QPointF centre, double radius, double from, double to, double width,
                   const QBrush& fill) {
    QPainterPath arc;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const QPointF pt = Polar(centre, radius, from + (to - from) * i / steps);
        i == 0 ? arc.moveTo(pt) : arc.lineTo(pt);
    }
    const double end = to * std::numbers::pi / 180.0;
    const QPointF tip = Polar(centre, radius, to);
    const QPointF along(-std::sin(end), std::cos(end));  // clockwise tangent
    const QPointF out(std::cos(end), std::sin(end));
    const double head = width * 1.5;
    QPainterPath arrow;
    arrow.moveTo(tip + along * head * 1.3);
    arrow.lineTo(tip + out * head - along * head * 0.2);
    arrow.lineTo(tip - out * head - along * head * 0.2);
    arrow.closeSubpath();

    OutlinedStroke(p, arc, width, fill);
    OutlinedFill(p, arrow, fill);
    // Cover the outline where the shaft meets the head.
    p.setPen(QPen(fill, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(Polar(centre, radius, to - 12.0), tip);
}

QPainterPath SmallStar(QPointF centre, double radius, int tip) {
    const double inner = radius / std::sqrt(3.0);
    const double a = -90.0 + 60.0 * tip;
    QPainterPath t;
    t.moveTo(Polar(centre, radius, a));
    t.lineTo(Polar(centre, inner, a + 30.0));
    t.lineTo(Polar(centre, inner, a - 30.0));
    t.closeSubpath();
    return t;
}

void DrawStarBadge(QPainter& p, QPointF centre, double radius) {
    p.setPen(Qt::NoPen);
    QPainterPath outline;
    for (int i = 0; i < kColourCount; ++i) {
        const QPainterPath tip = SmallStar(centre, radius, i);
        outline = outline.united(tip);
        const QColor c = ToQColor(kMarbleRgb[i]);
        const QPointF point = Polar(centre, radius, -90.0 + 60.0 * i);
        QLinearGradient fill(point, centre);
        fill.setColorAt(0.0, Lighter(c, 0.3));
        fill.setColorAt(0.6, c);
        p.setBrush(fill);
        p.drawPath(tip);
    }
    QPainterPath hexagon;
    for (int i = 0; i < 6; ++i) {
        const QPointF pt = Polar(centre, radius / std::sqrt(3.0), 60.0 * i);
        i == 0 ? hexagon.moveTo(pt) : hexagon.lineTo(pt);
    }
    hexagon.closeSubpath();
    QRadialGradient wood(centre - QPointF(radius * 0.15, radius * 0.2), radius * 0.6);
    wood.setColorAt(0.0, Lighter(ToQColor(kHexagonRgb), 0.3));
    wood.setColorAt(1.0, ToQColor(kHexagonRgb));
    p.setBrush(wood);
    p.drawPath(hexagon);
    p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline.simplified());
}

void DrawNewGame(QPainter& p) {
    DrawStarBadge(p, QPointF(14.5, 16.0), 13.0);
    // A sparkle: the board is fresh.
    QPainterPath sparkle;
    const QPointF c(26.0, 6.5);
    for (int i = 0; i < 8; ++i) {
        const QPointF pt = Polar(c, i % 2 == 0 ? 6.2 : 1.9, -90.0 + 45.0 * i);
        i == 0 ? sparkle.moveTo(pt) : sparkle.lineTo(pt);
    }
    sparkle.closeSubpath();
    OutlinedFill(p, sparkle, QColor(255, 230, 90), 1.0);
}

void DrawRestart(QPainter& p) {
    const QPointF c(16, 15);
    CircularArrow(p, c, 10.5, -60.0, 215.0, 3.6,
                  Vertical(3, 27, QColor(120, 220, 110), QColor(30, 140, 50)));
    p.drawImage(QPointF(c.x() - 6, c.y() - 6), RenderMarble(kMarbleRgb[3], 12, 12, {6, 6}, 5.2));
}

void DrawUndo(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) {
        p.translate(kToolbarImageWidth, 0);
        p.scale(-1, 1);
    }
    QPainterPath shaft;
    shaft.moveTo(26.5, 25.0);
    shaft.cubicTo(28.5, 13.5, 22.0, 9.5, 11.0, 10.5);
    const QBrush fill = Vertical(4, 26, QColor(120, 186, 255), QColor(26, 92, 200));
    OutlinedStroke(p, shaft, 4.2, fill);
    QPainterPath head;
    head.moveTo(2.5, 10.5);
    head.lineTo(12.5, 2.5);
    head.lineTo(12.5, 18.5);
    head.closeSubpath();
    OutlinedFill(p, head, fill);
    p.setPen(QPen(fill, 4.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(11.0, 10.5), QPointF(14.0, 10.4));
    p.restore();
}

void DrawSuggest(QPainter& p) {
    const QPointF c(16, 11.5);
    p.setPen(QPen(QColor(255, 196, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double a : {-160.0, -125.0, -90.0, -55.0, -20.0})
        p.drawLine(Polar(c, 11.0, a), Polar(c, 14.0, a));

    QPainterPath bulb;
    bulb.addEllipse(c, 8.2, 8.2);
    QPainterPath neck;
    neck.moveTo(11.5, 17.0);
    neck.lineTo(20.5, 17.0);
    neck.lineTo(19.5, 21.5);
    neck.lineTo(12.5, 21.5);
    neck.closeSubpath();
    QRadialGradient glass(c - QPointF(2.5, 3.0), 10.0);
    glass.setColorAt(0.0, QColor(255, 255, 226));
    glass.setColorAt(0.5, QColor(255, 232, 96));
    glass.setColorAt(1.0, QColor(236, 164, 20));
    OutlinedFill(p, bulb.united(neck), glass);

    QPainterPath base;
    base.addRoundedRect(QRectF(12.0, 21.5, 8.0, 5.5), 1.2, 1.2);
    OutlinedFill(p, base, Vertical(21.5, 27, QColor(214, 218, 228), QColor(120, 126, 140)));
    p.setPen(QPen(QColor(90, 96, 110), 0.8));
    p.drawLine(QPointF(12.5, 24.2), QPointF(19.5, 24.2));
    p.setPen(QPen(QColor(200, 120, 10), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF(
        {QPointF(14, 17), QPointF(15, 13), QPointF(16, 15), QPointF(17, 13), QPointF(18, 17)}));
}

void DrawForce(QPainter& p) {
    QPainterPath bolt;
    bolt.moveTo(20.5, 1.0);
    bolt.lineTo(7.0, 17.0);
    bolt.lineTo(14.5, 17.0);
    bolt.lineTo(10.5, 29.0);
    bolt.lineTo(25.5, 11.0);
    bolt.lineTo(17.5, 11.0);
    bolt.lineTo(22.5, 1.0);
    bolt.closeSubpath();
    QLinearGradient fill(8, 2, 24, 28);
    fill.setColorAt(0.0, QColor(255, 248, 150));
    fill.setColorAt(0.5, QColor(255, 196, 30));
    fill.setColorAt(1.0, QColor(240, 110, 10));
    OutlinedFill(p, bolt, fill, 1.4);
}

void DrawStatistics(QPainter& p) {
    struct Bar {
        double x, height;
        QColor colour;
    };
    const Bar bars[] = {{4.5, 10.0, QColor(70, 140, 240)},
                        {12.5, 19.0, QColor(60, 200, 80)},
                        {20.5, 14.0, QColor(250, 140, 40)}};
    for (const Bar& b : bars) {
        QPainterPath bar;
        bar.addRoundedRect(QRectF(b.x, 26.0 - b.height, 7.0, b.height), 1.2, 1.2);
        OutlinedFill(p, bar, Vertical(26.0 - b.height, 26.0, Lighter(b.colour, 0.35), b.colour));
    }
    p.setPen(QPen(kInk, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.0, 27.0), QPointF(30.0, 27.0));
}

void DrawHelp(QPainter& p) {
    const QPointF c(16, 15);
    QRadialGradient disc(c - QPointF(4, 5), 16);
    disc.setColorAt(0.0, QColor(140, 196, 255));
    disc.setColorAt(1.0, QColor(20, 76, 186));
    QPainterPath circle;
    circle.addEllipse(c, 13.0, 13.0);
    OutlinedFill(p, circle, disc);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(20);
    QPainterPath mark;
    mark.addText(0, 0, font, QStringLiteral("?"));
    const QRectF box = mark.boundingRect();
    mark.translate(c - box.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 252, 255));
    p.drawPath(mark);
}

using Drawing = std::function<void(QPainter&)>;

// Button pictures in the order of the toolbar's buttons.
const Drawing kButtons[kToolbarImages] = {
    DrawNewGame,
    DrawRestart,
    [](QPainter& p) { DrawUndo(p, false); },
    [](QPainter& p) { DrawUndo(p, true); },
    DrawSuggest,
    DrawForce,
    DrawStatistics,
    DrawHelp,
};

QRgb ToState(QRgb c, ToolbarState state) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    switch (state) {
        case ToolbarState::Normal:
            return qRgb(r, g, b);
        case ToolbarState::Hot: {
            // Lift toward white and stretch the colour away from its grey.
            const double grey = 0.3 * r + 0.59 * g + 0.11 * b;
            const auto hot = [grey](int v) {
                const double vivid = grey + (v - grey) * 1.15;
                return ToByte((vivid + (255.0 - vivid) * 0.28) / 255.0);
            };
            return qRgb(hot(r), hot(g), hot(b));
        }
        case ToolbarState::Disabled: {
            const int grey = static_cast<int>(0.3 * r + 0.59 * g + 0.11 * b);
            const int v = 128 + grey * 45 / 100;
            return qRgb(v, v, v);
        }
    }
    return c;
}

QImage MarbleWithShadow(const BoardSize& size, Rgb colour, int canvas, QPointF lift, int density) {
    canvas *= density;
    lift *= density;
    const QPointF centre = BoardMarbleCentre(size) * density;
    const double radius = BoardMarbleRadius(size) * density;
    QImage out = RenderSoftShadow(canvas, canvas, centre + lift, radius, 1.5 * density, 0.35);
    QPainter p(&out);
    p.drawImage(0, 0, RenderMarble(colour, canvas, canvas, centre, radius));
    return out;
}

// A drawing made for plain pixels, supersampled at `density` times as many pixels each way.
QImage SupersampleAt(int width, int height, int density, const Drawing& draw) {
    if (density == 1)
        return Supersample(width, height, kSupersample, draw);
    return Supersample(width * density, height * density, kSupersample,
                       [density, &draw](QPainter& p) {
                           p.scale(density, density);
                           draw(p);
                       });
}

}  // namespace

QImage ToolbarStrip(ToolbarState state, int density) {
    const int width = kToolbarImageWidth * density, height = kToolbarImageHeight * density;
    QImage strip(width * kToolbarImages, height, QImage::Format_RGB32);
    for (int i = 0; i < kToolbarImages; ++i) {
        const QImage art =
            SupersampleAt(kToolbarImageWidth, kToolbarImageHeight, density, kButtons[i]);
        const MaskedPicture cut = ToMasked(art, 110);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                QRgb c = kToolbarKey;
                if (qRed(cut.mask.pixel(x, y)) != 0) {
                    c = ToState(cut.image.pixel(x, y), state);
                    if (c == kToolbarKey)
                        c = qRgb(254, 0, 255);
                }
                strip.setPixel(i * width + x, y, c);
            }
        }
    }
    return strip;
}

QImage RotateIcon(bool clockwise, int density) {
    constexpr int kSize = 32;
    const QImage right = SupersampleAt(kSize, kSize, density, [](QPainter& p) {
        const QPointF c(16, 16.5);
        CircularArrow(p, c, 11.0, -75.0, 200.0, 4.0,
                      Vertical(4, 28, QColor(255, 190, 90), QColor(214, 96, 16)));
        DrawStarBadge(p, c, 6.5);
    });
    return clockwise ? right : right.mirrored(true, false);
}

QImage HandCursor(int density) {
    constexpr int kSize = 32;
    return SupersampleAt(kSize, kSize, density, [](QPainter& p) {
        // Index finger pointing up with its tip on the hot spot (6, 0).
        QPainterPath hand;
        hand.addRoundedRect(QRectF(3.6, 0.6, 5.2, 17.0), 2.6, 2.6);
        hand.addRoundedRect(QRectF(8.2, 9.0, 4.8, 10.0), 2.4, 2.4);
        hand.addRoundedRect(QRectF(12.4, 10.0, 4.6, 9.0), 2.3, 2.3);
        hand.addRoundedRect(QRectF(16.4, 11.5, 4.4, 8.0), 2.2, 2.2);
        hand.addRoundedRect(QRectF(3.6, 13.0, 17.2, 13.0), 4.0, 4.0);
        QPainterPath thumb;
        thumb.moveTo(4.5, 23.0);
        thumb.lineTo(0.8, 17.2);
        thumb.quadTo(0.2, 14.6, 2.6, 14.8);
        thumb.lineTo(6.0, 18.0);
        thumb.closeSubpath();
        hand = hand.united(thumb).simplified();
        QPainterPath cuff;
        cuff.addRoundedRect(QRectF(6.0, 25.0, 13.0, 5.5), 1.0, 1.0);

        p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(120, 170, 230));
        p.drawPath(cuff);
        p.setBrush(Vertical(0, 26, QColor(255, 255, 255), QColor(226, 230, 238)));
        p.drawPath(hand);
        p.setPen(QPen(QColor(150, 150, 160), 0.7, Qt::SolidLine, Qt::RoundCap));
        for (double x : {12.6, 16.6})
            p.drawLine(QPointF(x, 14.5), QPointF(x, 18.0));
    });
}

QImage MarbleCursor(int sizeIndex, int colour, int density) {
    // The marble sits in the top-left corner, where the cursor's hot spot is; a soft shadow below
    // and to the right shows it lifted off the board.
    return MarbleWithShadow(kBoardSizes[sizeIndex], kMarbleRgb[colour], 32, QPointF(2.0, 3.0),
                            density);
}

void WriteResources(COutputFolder& out) {
    out.SavePng("Resources/icon-124.png", ApplicationIcon(256));
    QByteArray hotSpots = "cursor-129.png 6 0\n";
    for (const int density : {1, 2}) {
        const auto at = [density](const QString& path) { return AtDensity(path, density); };
        out.SaveBmp(at("Resources/toolbar-157.bmp"), ToolbarStrip(ToolbarState::Normal, density));
        out.SaveBmp(at("Resources/toolbar-158.bmp"), ToolbarStrip(ToolbarState::Hot, density));
        out.SaveBmp(at("Resources/toolbar-159.bmp"), ToolbarStrip(ToolbarState::Disabled, density));
        out.SavePng(at("Resources/icon-125.png"), RotateIcon(true, density));
        out.SavePng(at("Resources/icon-126.png"), RotateIcon(false, density));
        out.SavePng(at("Resources/cursor-129.png"), HandCursor(density));
        for (int s = 0; s < static_cast<int>(kBoardSizes.size()); ++s) {
            for (int c = 0; c < kColourCount; ++c) {
                const QString name =
                    QStringLiteral("cursor-%1.png").arg(kBoardSizes[s].cursorIds[c]);
                out.SavePng(at("Resources/" + name), MarbleCursor(s, c, density));
                if (density == 1)
                    hotSpots += name.toLatin1() + " 0 0\n";
            }
        }
    }
    out.SaveBytes("Resources/cursors.txt", std::vector<uint8_t>(hotSpots.begin(), hotSpots.end()));
}

}  // namespace halmora::assets
