// Small raster helpers shared by every drawing: supersampled rendering, the one-bit mask
// convention of the game's sprites, and per-pixel colour arithmetic.
//
// Mask convention: the mask is white where the picture shows and black where it is transparent,
// and the picture is pure black wherever the mask is black, so that clearing the screen under the
// white mask and OR-ing the picture in composes the sprite.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <functional>

namespace halmora::assets {

struct MaskedPicture {
    QImage image;  // Format_RGB32
    QImage mask;   // Format_RGB32, pure black and pure white only
};

// Draws at `factor` times the size with antialiasing and averages back down, so thin lines and
// small curves keep an accurate coverage that a one-bit mask can be cut from.
QImage Supersample(int width, int height, int factor, const std::function<void(QPainter&)>& draw);

// Cuts a premultiplied ARGB drawing into a masked picture: pixels covered at least to
// `opaqueFrom` (0..255) show in their own colour, un-blended with whatever was behind them;
// the rest become transparent.
MaskedPicture ToMasked(const QImage& argb, int opaqueFrom = 128);

// The inverse, for drawing a masked picture into another drawing with QPainter.
QImage ToArgb(const MaskedPicture& picture);

// An opaque pixel that happens to be pure white would turn transparent where the game composes
// the board from a drawing on white; such pixels are nudged one step darker.
void AvoidPureWhite(MaskedPicture& picture);

inline double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
inline double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}
inline double SmoothStep(double edge0, double edge1, double x) {
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}
inline int ToByte(double v) {
    return static_cast<int>(Clamp01(v) * 255.0 + 0.5);
}

// Blurs a premultiplied ARGB image in place (three box passes approximate a Gaussian); used for
// shadows and glows. Edges fade out as if the image were surrounded by transparency.
void Blur(QImage& image, int radius);

// Colour helpers for gradients: a lighter or darker version of a colour, mixing toward white or
// black by t (0..1).
QColor Lighter(const QColor& c, double t);
QColor Darker(const QColor& c, double t);
QColor WithAlpha(QColor c, int alpha);

}  // namespace halmora::assets
