// A masked sprite in the form that draws fastest into a 32-bit board image. The masked draw of a
// CTransparentSurface (screen AND NOT mask, then OR picture) treats every bit of a screen pixel
// on its own, so what it does to any screen is known from what it leaves on a black screen and
// on a white one. Keeping those two per pixel, a draw is one AND and one XOR per pixel: no
// painter, no raster-operation passes and no format handling per draw.
//
//   CMaskedSprite marble;
//   marble.Take(surface);              // once per load
//   marble.Draw(image, x, y);          // same pixels as surface.Draw(painter on image, x, y)
//
//   CMaskedSprite board;               // or composed from a drawing, as CTransparentSurface does
//   board.ComposeFromDrawing(600, 600, [&](QPainter& p) { DrawBoardPicture(p); });
#pragma once

#include <QImage>
#include <QRgb>

#include <functional>
#include <vector>

class QPainter;

namespace halmora {

class CTransparentSurface;

class CMaskedSprite {
public:
    // The sprite as the surface's own masked drawing lays it, over the surface's picture size.
    void Take(const CTransparentSurface& surface);
    // The sprite of a premultiplied ARGB picture: shown in its own colour where it is at least
    // half covered, transparent elsewhere, as a picture with a one-bit mask.
    void TakePicture(const QImage& picture);
    // The sprite CTransparentSurface::ComposeFromDrawing makes of the same drawing: opaque wherever
    // the drawing on white is not pure white. draw is called twice and must draw the same both
    // times.
    void ComposeFromDrawing(int width, int height, const std::function<void(QPainter&)>& draw);
    void Clear();

    bool IsEmpty() const { return width_ == 0 || height_ == 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Lays the whole sprite over a Format_RGB32 image with its top-left corner at (x, y); what
    // falls outside the image is cut off.
    void Draw(QImage& target, int x, int y) const;
    // Lays the part of the sprite at (srcX, srcY) of the given size with its corner at (dstX,
    // dstY); the part is cut to the sprite first, as the painter cuts a source rectangle.
    void DrawPart(QImage& target, int srcX, int srcY, int width, int height, int dstX,
                  int dstY) const;

private:
    void Resize(int width, int height);

    int width_ = 0;
    int height_ = 0;
    // Per pixel: the bits in which the results on a white and on a black screen differ (those
    // follow the screen), and the result on black. A screen pixel s becomes (s & keep) ^ onBlack.
    std::vector<QRgb> keep_;
    std::vector<QRgb> onBlack_;
};

}  // namespace halmora
