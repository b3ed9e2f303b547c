#include "MarbleArt.h"

#include <array>
#include <cmath>

namespace halmora::assets {
namespace {

constexpr int kSubsamples = 8;

struct Vec3 {
    double x, y, z;
};

Vec3 Normalised(Vec3 v) {
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}
double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

const Vec3 kLight = Normalised({-0.45, -0.60, 0.66});
const Vec3 kHalf = Normalised({kLight.x, kLight.y, kLight.z + 1.0});

using Colour = std::array<double, 3>;

// Surface colour at the point (nx, ny) of the unit disc. The diffuse term is scaled so that the
// centre shows exactly the marble's colour; shadows deepen by multiplying the colour with itself
// (keeping it saturated instead of greying it), the far side glows as light passes through the
// glass, and a sharp specular spot sits toward the light.
Colour ShadeMarble(const Colour& base, double nx, double ny) {
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const Vec3 n{nx, ny, nz};
    const double lit = std::max(0.0, Dot(n, kLight)) / kLight.z;  // 1 at the centre

    Colour c;
    for (int k = 0; k < 3; ++k) {
        const double deep = base[k] * base[k] * 0.55;
        c[k] = lit <= 1.0 ? Mix(deep, base[k], std::pow(lit, 0.8))
                          : Mix(base[k], 1.0, (lit - 1.0) * 0.35);
    }

    // Transmitted light gathers in a crescent opposite the light.
    const double away = Clamp01(-(nx * kLight.x + ny * kLight.y) / std::hypot(kLight.x, kLight.y));
    const double rim = std::sqrt(nx * nx + ny * ny);
    const double glow =
        std::pow(away, 2.0) * SmoothStep(0.35, 0.85, rim) * (1.0 - SmoothStep(0.9, 1.0, rim));
    for (int k = 0; k < 3; ++k)
        c[k] = Mix(c[k], std::min(1.0, base[k] * 1.25 + 0.12), glow * 0.55);

    // The very edge darkens as the surface turns away.
    const double edge = std::pow(1.0 - nz, 3.0);
    for (double& v : c)
        v *= 1.0 - 0.55 * edge;

    const double facing = std::max(0.0, Dot(n, kHalf));
    const double spot = std::pow(facing, 60.0) * 0.95 + std::pow(facing, 10.0) * 0.16;
    for (double& v : c)
        v = Mix(v, 1.0, Clamp01(spot));
    return c;
}

// Colour of a drilled hole at (nx, ny) of the unit disc: a dark floor, a wall lit on the lower
// right (the side that faces the light), and a shadow thrown on the floor by the upper-left rim.
Colour ShadeHole(double nx, double ny) {
    const double r = std::sqrt(nx * nx + ny * ny);
    const Colour floorColour{0.16, 0.12, 0.09};
    const Colour litWall{0.60, 0.49, 0.36};
    const Colour darkWall{0.09, 0.07, 0.05};

    const double towardLight =
        (nx * kLight.x + ny * kLight.y) / (std::hypot(kLight.x, kLight.y) * std::max(r, 1e-6));
    const double wallLight = Clamp01(0.5 - 0.5 * towardLight);  // 1 on the lower right
    const double wallAmount = SmoothStep(0.45, 0.85, r);

    // Floor in the shadow of the rim: distance from a disc shifted toward the light.
    const double sx = nx - kLight.x * 0.45, sy = ny - kLight.y * 0.45;
    const double shadow = SmoothStep(0.55, 0.85, std::sqrt(sx * sx + sy * sy));

    Colour c;
    for (int k = 0; k < 3; ++k) {
        const double floorLit = floorColour[k] * (1.0 - 0.5 * shadow);
        const double wall = Mix(darkWall[k], litWall[k], std::pow(wallLight, 1.5));
        c[k] = Mix(floorLit, wall, wallAmount);
    }
    return c;
}

template <typename Shader>
QImage RenderDisc(int width, int height, QPointF centre, double radius, Shader shade) {
    QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
    const double step = 1.0 / kSubsamples;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            Colour sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < kSubsamples; ++sy) {
                for (int sx = 0; sx < kSubsamples; ++sx) {
                    const double nx = (x + (sx + 0.5) * step - centre.x()) / radius;
                    const double ny = (y + (sy + 0.5) * step - centre.y()) / radius;
                    if (nx * nx + ny * ny > 1.0)
                        continue;
                    const Colour c = shade(nx, ny);
                    for (int k = 0; k < 3; ++k)
                        sum[k] += c[k];
                    ++covered;
                }
            }
            const double total = kSubsamples * kSubsamples;
            line[x] = qRgba(ToByte(sum[0] / total), ToByte(sum[1] / total), ToByte(sum[2] / total),
                            ToByte(covered / total));
        }
    }
    return out;
}

}  // namespace

QImage RenderMarble(Rgb colour, int width, int height, QPointF centre, double radius) {
    const Colour base{colour.r / 255.0, colour.g / 255.0, colour.b / 255.0};
    return RenderDisc(width, height, centre, radius,
                      [&base](double nx, double ny) { return ShadeMarble(base, nx, ny); });
}

QImage RenderSoftShadow(int width, int height, QPointF centre, double radius, double softness,
                        double strength) {
    QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double d = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
            const double a = strength * (1.0 - SmoothStep(radius - softness, radius + softness, d));
            out.setPixel(x, y, qRgba(0, 0, 0, ToByte(a)));
        }
    }
    return out;
}

QPointF BoardMarbleCentre(const BoardSize& size) {
    // The game puts the marble at the hole corner minus half the size difference (truncated).
    const double x = (size.marbleWidth - size.hole) / 2 + size.hole / 2.0;
    const double y = (size.marbleHeight - size.hole) / 2 + size.hole / 2.0;
    return {x, y};
}

double BoardMarbleRadius(const BoardSize& size) {
    const QPointF c = BoardMarbleCentre(size);
    return std::min({c.x(), size.marbleWidth - c.x(), c.y(), size.marbleHeight - c.y()});
}

MaskedPicture BoardMarble(const BoardSize& size, Rgb colour, int density) {
    return ToMasked(RenderMarble(colour, size.marbleWidth * density, size.marbleHeight * density,
                                 BoardMarbleCentre(size) * density,
                                 BoardMarbleRadius(size) * density));
}

MaskedPicture HolePicture(const BoardSize& size, int density) {
    const int pixels = size.hole * density;
    const double r = pixels / 2.0;
    MaskedPicture hole = ToMasked(RenderDisc(pixels, pixels, QPointF(r, r), r, ShadeHole));
    AvoidPureWhite(hole);
    return hole;
}

}  // namespace halmora::assets
