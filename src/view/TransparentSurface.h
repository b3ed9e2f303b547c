// A picture with a one-bit mask of the same size, so that a sprite of any outline (a marble, a
// hole, the clock, the composed board) can be laid over what is already on the screen. A white
// mask pixel is shown, a black one is transparent; the picture is black wherever the mask is.
//
//   CTransparentSurface board;
//   board.ComposeFromDrawing(w, h, [&](QPainter& p) { DrawBoardPicture(p); });
//   board.Draw(screen, 0, 0);  // only what was drawn covers the screen; pure white is transparent
#pragma once

#include <QImage>

#include <functional>
#include <memory>
#include <string>

class QPainter;

namespace halmora {

// A painter on one of a surface's pictures. Ending it (dropping the pointer) finishes the drawing.
using SurfaceDC = std::unique_ptr<QPainter, std::function<void(QPainter*)>>;

class CTransparentSurface {
public:
    // Loads picture and mask files. Each failure shows a message naming the image file; so does a
    // mask whose size differs from the picture's. The surface is loaded either way.
    void Load(const std::string& imagePath, const std::string& maskPath);
    // An empty surface for drawing into off screen: a black picture and a transparent mask.
    void Create(int width, int height);
    // Builds the surface from a drawing on white: everything drawn is opaque, the white ground and
    // any pure white in the drawing transparent. draw is called twice, so it must draw the same
    // both times.
    void ComposeFromDrawing(int width, int height, const std::function<void(QPainter&)>& draw);

    // Lays the whole sprite over dc with its top-left corner at (x, y).
    void Draw(QPainter& dc, int x, int y) const;
    // Lays the part of the sprite at (srcX, srcY) of the given size with its corner at (dstX,
    // dstY).
    void DrawPart(QPainter& dc, int srcX, int srcY, int width, int height, int dstX,
                  int dstY) const;

    // Painters on the picture and on the mask, antialiasing off. Whatever is drawn into the mask
    // becomes one bit when the painter ends: white is shown, every other colour transparent.
    SurfaceDC OpenImageDC();
    SurfaceDC OpenMaskDC();

    void Release();

    int ImageWidth() const { return image_.width(); }
    int ImageHeight() const { return image_.height(); }
    int MaskWidth() const { return mask_.width(); }
    bool IsLoaded() const { return loaded_; }

private:
    QImage image_;
    QImage mask_;
    bool loaded_ = false;
};

}  // namespace halmora
