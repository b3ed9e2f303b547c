#include "LogoArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>
#include <numbers>

#include "BoardStyle.h"
#include "MarbleArt.h"
#include "Picture.h"

namespace halmora::assets {
namespace {

const BoardSize& kLarge = kBoardSizes[2];

// Deterministic pseudo-random numbers, so that every build draws the same pictures.
class Lcg {
public:
    explicit Lcg(uint32_t seed) : state_(seed) {}
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }

private:
    uint32_t state_;
};

// Draws `layer` (premultiplied, same size as the painter's device) blurred at `radius`, in the
// layer's own pixels: a denser layer is blurred as far across.
void DrawBlurred(QPainter& p, QImage layer, int radius) {
    const qreal density = layer.devicePixelRatio();
    Blur(layer, static_cast<int>(radius * density));
    layer.setDevicePixelRatio(density);
    p.drawImage(0, 0, layer);
}

// A transparent layer of `density` pixels per pixel; painters on it draw in plain pixels.
QImage NewLayer(int width, int height, qreal density = 1) {
    QImage layer(static_cast<int>(width * density), static_cast<int>(height * density),
                 QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(density);
    layer.fill(Qt::transparent);
    return layer;
}

qreal DensityOf(const QPainter& p) {
    return p.device()->devicePixelRatio();
}

// The marble is shaded in the target's own pixels, so a denser picture gets a sharper marble.
void DrawMarble(QPainter& p, int colour, QPointF centre, double radius) {
    const qreal density = DensityOf(p);
    centre *= density;
    radius *= density;
    const int box = static_cast<int>(std::ceil(radius * 2)) + 2;
    const QPointF corner(std::floor(centre.x() - box / 2.0), std::floor(centre.y() - box / 2.0));
    QImage marble = RenderMarble(kMarbleRgb[colour], box, box, centre - corner, radius);
    marble.setDevicePixelRatio(density);
    p.drawImage(corner / density, marble);
}

// The star board of the large size placed with `transform`, with a soft shadow under it.
void DrawBoard(QPainter& p, const QTransform& transform, QSize canvas, double shadowOffset,
               int shadowBlur) {
    QImage shadow = NewLayer(canvas.width(), canvas.height(), DensityOf(p));
    {
        QPainter s(&shadow);
        s.setRenderHint(QPainter::Antialiasing);
        s.translate(shadowOffset * 0.6, shadowOffset);
        s.setTransform(transform, true);
        s.setPen(Qt::NoPen);
        s.setBrush(QColor(0, 0, 0, 170));
        s.drawPolygon(StarOutline(kLarge));
    }
    DrawBlurred(p, shadow, shadowBlur);

    p.save();
    p.setTransform(transform, true);
    PaintStarBoard(p, kLarge, StarPaint{.gridLines = true, .holes = true, .lineWidth = 1.6});
    p.restore();
}

void PaintNightSky(QPainter& p) {
    QRadialGradient sky(QPointF(320, 290), 470);
    sky.setColorAt(0.0, QColor(52, 82, 178));
    sky.setColorAt(0.5, QColor(24, 36, 104));
    sky.setColorAt(1.0, QColor(7, 9, 32));
    p.fillRect(0, 0, kLogoWidth, kLogoHeight, sky);

    // Faint rays fanning out from behind the board.
    const QPointF centre(320, 292);
    QRadialGradient rayFade(centre, 420);
    rayFade.setColorAt(0.0, QColor(255, 240, 200, 34));
    rayFade.setColorAt(1.0, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(rayFade);
    for (int i = 0; i < 18; ++i) {
        QPainterPath ray;
        ray.moveTo(centre);
        ray.arcTo(QRectF(centre.x() - 700, centre.y() - 700, 1400, 1400), i * 20.0 + 4.0, 9.0);
        ray.closeSubpath();
        p.drawPath(ray);
    }

    Lcg random(20051103u);
    for (int i = 0; i < 160; ++i) {
        const QPointF at(random.Next() * kLogoWidth, random.Next() * kLogoHeight);
        const double size = 0.4 + random.Next() * random.Next() * 1.6;
        const int alpha = 60 + static_cast<int>(random.Next() * 150);
        p.setBrush(QColor(220, 230, 255, alpha));
        p.drawEllipse(at, size, size);
    }
}

void PaintTitle(QPainter& p) {
    QFont font("DejaVu Serif");
    font.setBold(true);
    font.setPixelSize(78);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2.0);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Halmora"));
    const QRectF box = text.boundingRect();
    text.translate(kLogoWidth / 2.0 - box.center().x(), 78.0 - box.bottom());
    const QRectF placed = text.boundingRect();

    QImage glow = NewLayer(kLogoWidth, kLogoHeight, DensityOf(p));
    {
        QPainter g(&glow);
        g.setRenderHint(QPainter::Antialiasing);
        g.setPen(QPen(QColor(255, 200, 90, 150), 8.0));
        g.setBrush(QColor(255, 200, 90, 150));
        g.drawPath(text);
    }
    DrawBlurred(p, glow, 9);

    QImage shadow = NewLayer(kLogoWidth, kLogoHeight, DensityOf(p));
    {
        QPainter s(&shadow);
        s.setRenderHint(QPainter::Antialiasing);
        s.translate(3, 5);
        s.setPen(QPen(QColor(0, 0, 0, 220), 5.0));
        s.setBrush(QColor(0, 0, 0, 220));
        s.drawPath(text);
    }
    DrawBlurred(p, shadow, 3);

    p.setPen(QPen(QColor(62, 30, 4), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);

    // Polished gold: a bright upper half, a sharp horizon, a warm lower half.
    QLinearGradient gold(placed.topLeft(), placed.bottomLeft());
    gold.setColorAt(0.00, QColor(255, 250, 214));
    gold.setColorAt(0.45, QColor(255, 214, 96));
    gold.setColorAt(0.52, QColor(200, 126, 18));
    gold.setColorAt(0.75, QColor(236, 170, 44));
    gold.setColorAt(1.00, QColor(255, 222, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(text);

    // A thin bright edge along the top of the letters.
    p.save();
    p.setClipPath(text);
    p.setPen(QPen(QColor(255, 255, 240, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text.translated(0, 1.5));
    p.restore();
}

}  // namespace

QImage PopupLogo(int density) {
    QImage logo = NewLayer(kLogoWidth, kLogoHeight, density);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    PaintNightSky(p);

    // The board, centred below the title; its tips stay clear of the edition and version texts
    // that the program writes over the logo.
    const double scale = 0.58;
    const QPointF boardCentre(320, 294);
    QTransform toScreen;
    toScreen.translate(boardCentre.x() - StarCentre(kLarge).x() * scale,
                       boardCentre.y() - StarCentre(kLarge).y() * scale);
    toScreen.scale(scale, scale);

    QRadialGradient halo(boardCentre, 240);
    halo.setColorAt(0.0, QColor(255, 214, 140, 90));
    halo.setColorAt(1.0, QColor(255, 214, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(boardCentre, 240, 240);

    DrawBoard(p, toScreen, QSize(kLogoWidth, kLogoHeight), 10, 8);

    const double marbleRadius = kLarge.marbleWidth * scale * 0.52;
    for (int row = 0; row < 19; ++row) {
        for (int col = 0; col < 19; ++col) {
            const int colour = StartingColourAt(col, row);
            if (colour >= 0)
                DrawMarble(p, colour, toScreen.map(HoleCentre(kLarge, col, row)), marbleRadius);
        }
    }

    // Three large marbles resting in the lower right corner.
    struct Loose {
        int colour;
        QPointF centre;
        double radius;
    };
    const Loose loose[] = {{3, {566, 404}, 36}, {2, {612, 452}, 27}, {5, {515, 458}, 22}};
    QImage shadows = NewLayer(kLogoWidth, kLogoHeight, density);
    {
        QPainter s(&shadows);
        s.setRenderHint(QPainter::Antialiasing);
        s.setPen(Qt::NoPen);
        s.setBrush(QColor(0, 0, 0, 190));
        for (const Loose& m : loose)
            s.drawEllipse(m.centre + QPointF(m.radius * 0.35, m.radius * 0.55), m.radius * 0.95,
                          m.radius * 0.8);
    }
    DrawBlurred(p, shadows, 5);
    for (const Loose& m : loose)
        DrawMarble(p, m.colour, m.centre, m.radius);

    PaintTitle(p);

    // Darken the corners a little to hold the eye in the middle.
    QRadialGradient vignette(QPointF(320, 260), 430);
    vignette.setColorAt(0.7, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(vignette);
    p.drawRect(0, 0, kLogoWidth, kLogoHeight);
    p.end();
    return logo.convertToFormat(QImage::Format_RGB32);
}

QImage ApplicationIcon(int size) {
    QImage icon = NewLayer(size, size);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = size * 0.9 / kLarge.pixels;
    QTransform toIcon;
    toIcon.translate(size / 2.0 - StarCentre(kLarge).x() * scale,
                     size * 0.48 - StarCentre(kLarge).y() * scale);
    toIcon.scale(scale, scale);
    DrawBoard(p, toIcon, icon.size(), size * 0.025, std::max(1, size / 64));

    // One big marble in each tip reads well from 256 pixels down to 16.
    const auto triangles = StarTriangles(kLarge);
    for (int i = 0; i < kColourCount; ++i) {
        const QPointF centroid = (triangles[i][0] + triangles[i][1] + triangles[i][2]) / 3.0;
        DrawMarble(p, i, toIcon.map(centroid), size * 0.075);
    }
    p.end();
    return icon;
}

}  // namespace halmora::assets
