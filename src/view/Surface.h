// One opaque picture: a wallpaper, the start-up picture, a toolbar picture. It is copied to the
// screen whole or stretched; loading never fails outright but tells the user and goes on, so a
// missing file leaves an empty picture that draws nothing.
#pragma once

#include <QImage>

#include <string>

class QPainter;

namespace halmora {

class CSurface {
public:
    // Loads a picture file at its own size. A file that cannot be read shows the path followed by
    // " could not be loaded!" and leaves the picture empty; the surface is loaded either way.
    void Load(const std::string& path);
    // Copies the whole picture with its top-left corner at (x, y).
    void Draw(QPainter& dc, int x, int y) const;
    // Copies the source rectangle of the picture onto the destination rectangle, resized.
    void DrawStretched(QPainter& dc, int dstX, int dstY, int dstW, int dstH, int srcX, int srcY,
                       int srcW, int srcH) const;
    void Release();

    int Width() const { return picture_.width(); }
    int Height() const { return picture_.height(); }
    bool IsLoaded() const { return loaded_; }
    const QImage& Picture() const { return picture_; }

private:
    QImage picture_;
    bool loaded_ = false;
};

}  // namespace halmora
