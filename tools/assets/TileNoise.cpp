#include "TileNoise.h"

#include <cmath>
#include <numbers>

namespace halmora::assets {
namespace {

int Wrap(int i, int period) {
    const int m = i % period;
    return m < 0 ? m + period : m;
}

double Fade(double t) {
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

}  // namespace

uint32_t Hash32(uint32_t a, uint32_t b, uint32_t seed) {
    uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ seed * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double CTileNoise::Gradient(int ix, int iy, double dx, double dy) const {
    const double angle = Hash32(static_cast<uint32_t>(ix), static_cast<uint32_t>(iy), seed_) *
                         (2.0 * std::numbers::pi / 4294967296.0);
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

double CTileNoise::At(double x, double y, int periodX, int periodY) const {
    const double fx = std::floor(x), fy = std::floor(y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const double dx = x - fx, dy = y - fy;
    const int xa = Wrap(x0, periodX), xb = Wrap(x0 + 1, periodX);
    const int ya = Wrap(y0, periodY), yb = Wrap(y0 + 1, periodY);
    const double n00 = Gradient(xa, ya, dx, dy);
    const double n10 = Gradient(xb, ya, dx - 1.0, dy);
    const double n01 = Gradient(xa, yb, dx, dy - 1.0);
    const double n11 = Gradient(xb, yb, dx - 1.0, dy - 1.0);
    const double u = Fade(dx), v = Fade(dy);
    const double top = n00 + (n10 - n00) * u;
    const double bottom = n01 + (n11 - n01) * u;
    return (top + (bottom - top) * v) * 1.414;
}

double CTileNoise::Fractal(double u, double v, int periodX, int periodY, int octaves,
                           double gain) const {
    double sum = 0.0, amplitude = 1.0, norm = 0.0;
    for (int o = 0; o < octaves; ++o) {
        const int px = periodX << o, py = periodY << o;
        // Each octave is shifted so that lattice points of different octaves do not line up.
        sum += amplitude * At(u * px + o * 17.31, v * py + o * 9.77, px, py);
        norm += amplitude;
        amplitude *= gain;
    }
    return sum / norm;
}

}  // namespace halmora::assets
