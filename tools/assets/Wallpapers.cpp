#include "Wallpapers.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

#include "Picture.h"
#include "TileNoise.h"

namespace halmora::assets {
namespace {

constexpr int kW = kWallpaperWidth;
constexpr int kH = kWallpaperHeight;
constexpr double kTau = 2.0 * std::numbers::pi;

using Colour = std::array<double, 3>;

Colour MixColour(const Colour& a, const Colour& b, double t) {
    return {Mix(a[0], b[0], t), Mix(a[1], b[1], t), Mix(a[2], b[2], t)};
}

QRgb Pack(const Colour& c) {
    return qRgb(ToByte(c[0]), ToByte(c[1]), ToByte(c[2]));
}

template <typename Shader>
QImage PerPixel(Shader shade) {
    QImage out(kW, kH, QImage::Format_RGB32);
    for (int y = 0; y < kH; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < kW; ++x)
            line[x] = Pack(shade(x, y));
    }
    return out;
}

// Walnut planks laid in eight courses with staggered end joints; each board has its own grain.
QImage WalnutPlanks() {
    constexpr int kCourses = 8;
    constexpr int kCourse = kH / kCourses;
    const CTileNoise figure(7);
    const CTileNoise fibre(8);
    const Colour dark{0.20, 0.11, 0.06};
    const Colour light{0.52, 0.32, 0.17};
    return PerPixel([&](int x, int y) {
        const int course = y / kCourse;
        const int inCourse = y % kCourse;
        const uint32_t h = Hash32(static_cast<uint32_t>(course), 11, 99);
        const int joint = static_cast<int>(h % kW);
        const int secondJoint = kW / 2 + static_cast<int>(h >> 24);
        const int alongBoard = (x - joint + kW) % kW;
        const uint32_t board = Hash32(static_cast<uint32_t>(course), alongBoard >= secondJoint, 5);
        const double boardTone = ((board & 0xFF) / 255.0 - 0.5) * 0.16;
        const double boardPhase = ((board >> 8) & 0xFF) / 255.0;

        const double u = static_cast<double>(x) / kW, v = static_cast<double>(y) / kH;
        // Growth rings: long stripes along the board, bent by slow noise; dark late wood where
        // the stripe peaks.
        const double warp = figure.Fractal(u, v + boardPhase * 0.37, 3, 24, 3) * 1.6;
        const double phase = inCourse / 14.0 + warp + boardPhase * 5.0;
        const double ring = 0.5 + 0.5 * std::sin(phase * kTau);
        const double lateWood = std::pow(ring, 5.0);
        const double streak = fibre.Fractal(u, v, 12, 384, 2) * 0.5 + 0.5;
        const double t = 0.62 - 0.38 * lateWood + 0.22 * (streak - 0.5) + boardTone;
        Colour c = MixColour(dark, light, Clamp01(t));

        // Bevelled edges: a shadowed groove at each course and end joint, lit just after it.
        const int toJoint =
            std::min({alongBoard, kW - alongBoard, std::abs(alongBoard - secondJoint)});
        double shade = 1.0;
        if (inCourse == 0 || toJoint == 0)
            shade = 0.4;
        else if (inCourse == 1 || toJoint == 1)
            shade = 1.2;
        else if (inCourse == kCourse - 1)
            shade = 0.78;
        for (double& ch : c)
            ch *= shade;
        return c;
    });
}

// Billiard-table felt: fine fibres over a slow mottle.
QImage GreenFelt() {
    const CTileNoise mottle(21);
    const CTileNoise nap(22);
    const Colour base{0.05, 0.38, 0.20};
    return PerPixel([&](int x, int y) {
        const double u = static_cast<double>(x) / kW, v = static_cast<double>(y) / kH;
        const double slow = mottle.Fractal(u, v, 6, 4, 3) * 0.10;
        const double fine = nap.Fractal(u, v, 256, 192, 2) * 0.10;
        const double grain = ((Hash32(x, y, 23) & 0xFF) / 255.0 - 0.5) * 0.06;
        const double k = 1.0 + slow + fine + grain;
        return Colour{base[0] * k, base[1] * k, base[2] * k * 1.02};
    });
}

// Soft satin: a slow diagonal swell from indigo to violet with broad, gentle highlights along
// the folds; every term repeats across the tile.
QImage TwilightSilk() {
    const CTileNoise drift(31);
    const Colour deep{0.07, 0.08, 0.24};
    const Colour violet{0.28, 0.16, 0.44};
    const Colour sheenColour{0.62, 0.56, 0.80};
    return PerPixel([&](int x, int y) {
        const double u = static_cast<double>(x) / kW, v = static_cast<double>(y) / kH;
        const double bend = drift.Fractal(u, v, 2, 2, 2) * 0.6;
        const double swell = 0.5 + 0.5 * std::sin(kTau * (u + v) + bend * 2.0);
        Colour c = MixColour(deep, violet, SmoothStep(0.0, 1.0, swell));
        const double fold = 0.5 + 0.5 * std::sin(kTau * (2.0 * u + 3.0 * v) + bend * 4.0);
        c = MixColour(c, sheenColour, std::pow(fold, 6.0) * 0.22);
        const double shadow = 0.5 + 0.5 * std::sin(kTau * (2.0 * u + 3.0 * v) + bend * 4.0 + 1.3);
        for (double& ch : c)
            ch *= 1.0 - 0.18 * std::pow(shadow, 8.0);
        return c;
    });
}

// Small embossed six-pointed stars on deep navy, in staggered rows.
QImage StarLattice() {
    QImage out(kW, kH, QImage::Format_ARGB32_Premultiplied);
    QLinearGradient ground(0, 0, 0, kH);
    ground.setColorAt(0.0, QColor(20, 34, 72));
    ground.setColorAt(0.5, QColor(24, 40, 82));
    ground.setColorAt(1.0, QColor(20, 34, 72));
    QPainter p(&out);
    p.fillRect(out.rect(), ground);
    p.setRenderHint(QPainter::Antialiasing);

    constexpr int kStepX = 64, kStepY = 48;
    const auto star = [](QPointF c, double r) {
        QPainterPath path;
        for (int i = 0; i < 12; ++i) {
            const double a = (i * 30.0 - 90.0) * std::numbers::pi / 180.0;
            const double radius = i % 2 == 0 ? r : r * 0.5;
            const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * radius;
            i == 0 ? path.moveTo(pt) : path.lineTo(pt);
        }
        path.closeSubpath();
        return path;
    };
    const auto eachStar = [&](const std::function<void(QPointF)>& draw) {
        for (int row = 0; row < kH / kStepY; ++row) {
            for (int col = 0; col < kW / kStepX; ++col) {
                const QPointF c(col * kStepX + (row % 2 ? kStepX / 2.0 : 0.0) + 16,
                                row * kStepY + 24);
                // Drawn again one tile over on each side so what an edge cuts continues.
                for (int ox : {-kW, 0, kW}) {
                    for (int oy : {-kH, 0, kH})
                        draw(c + QPointF(ox, oy));
                }
            }
        }
    };
    // A faint lattice like the board's lines joins the stars.
    p.setPen(QPen(QColor(150, 175, 230, 26), 1.0));
    eachStar([&](QPointF at) {
        p.drawLine(at, at + QPointF(kStepX, 0));
        p.drawLine(at, at + QPointF(kStepX / 2.0, kStepY));
        p.drawLine(at, at + QPointF(-kStepX / 2.0, kStepY));
    });
    p.setPen(Qt::NoPen);
    eachStar([&](QPointF at) {
        p.setBrush(QColor(6, 12, 30, 150));
        p.drawPath(star(at + QPointF(1.0, 1.3), 9.0));
        p.setBrush(QColor(118, 146, 206, 80));
        p.drawPath(star(at, 9.0));
        p.setBrush(QColor(200, 214, 245, 45));
        p.drawPath(star(at - QPointF(0.5, 0.6), 4.5));
    });
    p.end();
    return out.convertToFormat(QImage::Format_RGB32);
}

// Blue-grey stone: clouded tone with fine, faint veins that come and go.
QImage BlueSlate() {
    const CTileNoise cloud(41);
    const CTileNoise vein(42);
    const CTileNoise fade(44);
    const Colour base{0.26, 0.31, 0.37};
    const Colour pale{0.55, 0.60, 0.66};
    return PerPixel([&](int x, int y) {
        const double u = static_cast<double>(x) / kW, v = static_cast<double>(y) / kH;
        const double tone = cloud.Fractal(u, v, 6, 5, 6, 0.6);
        const double turbulence = vein.Fractal(u, v, 4, 3, 5, 0.55) * 2.5;
        const double line = std::abs(std::sin(kTau * (2.0 * u + v) + turbulence));
        const double strength = SmoothStep(-0.1, 0.5, fade.Fractal(u, v, 3, 2, 2));
        const double veinAmount = std::pow(1.0 - line, 40.0) * 0.45 * strength;
        const double grain = ((Hash32(x, y, 43) & 0xFF) / 255.0 - 0.5) * 0.04;
        Colour c = base;
        for (double& ch : c)
            ch *= 1.0 + tone * 0.3 + grain;
        return MixColour(c, pale, veinAmount);
    });
}

}  // namespace

const std::vector<Wallpaper>& Wallpapers() {
    static const std::vector<Wallpaper> list = {
        {"Walnut Planks.bmp", WalnutPlanks}, {"Green Felt.bmp", GreenFelt},
        {"Twilight Silk.bmp", TwilightSilk}, {"Star Lattice.bmp", StarLattice},
        {"Blue Slate.bmp", BlueSlate},
    };
    return list;
}

void WriteWallpapers(COutputFolder& out) {
    for (const Wallpaper& w : Wallpapers())
        out.SaveBmp("Wallpapers/" + w.fileName, w.make());
}

}  // namespace halmora::assets
