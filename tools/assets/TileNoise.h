// Gradient noise that repeats: sampled over a lattice of `periodX` by `periodY` cells it wraps
// round seamlessly, so wallpapers made from it tile without visible joins.
#pragma once

#include <cstdint>

namespace halmora::assets {

class CTileNoise {
public:
    explicit CTileNoise(uint32_t seed) : seed_(seed) {}

    // About -1..1 at lattice coordinates (x, y).
    double At(double x, double y, int periodX, int periodY) const;

    // `octaves` layers, each at twice the frequency (and twice the period, so it still wraps at
    // the same place) and `gain` times the amplitude. (u, v) run over 0..1 for one tile.
    double Fractal(double u, double v, int periodX, int periodY, int octaves,
                   double gain = 0.5) const;

private:
    double Gradient(int ix, int iy, double dx, double dy) const;

    uint32_t seed_;
};

// A well-mixed 32-bit hash, for per-pixel grain and random choices.
uint32_t Hash32(uint32_t a, uint32_t b, uint32_t seed);

}  // namespace halmora::assets
