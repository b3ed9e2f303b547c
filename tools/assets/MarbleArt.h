// Glossy marbles and drilled holes, shaded per pixel as small spheres and recesses lit from the
// upper left. Rendering is analytic with supersampling, so the same shading serves the 12-pixel
// board marbles, the cursors and the large marbles of the logo and icon.
#pragma once

#include <QImage>
#include <QPointF>

#include "BoardStyle.h"
#include "Picture.h"

namespace halmora::assets {

// A marble of radius `radius` centred at `centre` on a transparent picture of the given size;
// alpha is the exact coverage of the disc.
QImage RenderMarble(Rgb colour, int width, int height, QPointF centre, double radius);

// A soft round shadow, for marbles that float above what is behind them (cursors, logo).
QImage RenderSoftShadow(int width, int height, QPointF centre, double radius, double softness,
                        double strength);

// The board marble of one size, centred where the hole picture's centre falls when the game
// centres the marble on the hole; `density` times as many pixels each way for denser screens.
MaskedPicture BoardMarble(const BoardSize& size, Rgb colour, int density = 1);
QPointF BoardMarbleCentre(const BoardSize& size);
double BoardMarbleRadius(const BoardSize& size);

// The hole picture of one size: a drilled recess with a lit lower wall; never pure white, since
// the board is composed from a drawing on white.
MaskedPicture HolePicture(const BoardSize& size, int density = 1);

}  // namespace halmora::assets
