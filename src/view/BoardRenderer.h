// Draws a CGameBoard into a backing image of the board area's size. Paint composes the star off
// screen and lays it over the background; the single-hole operations restore small rectangles
// from that composed board, so that hovering and animation never recompose it. Every change is
// reported as a rectangle so the owner widget repaints only that.
//
// The composed star is kept between paints and made again only when what it shows changes (the
// board size, the triangles' colours after a rotation or a new game); all masked pictures are
// held as CMaskedSprite and laid straight into the image, which keeps a full paint to a fill and
// a few block operations.
//
// On a screen with more than one device pixel per board pixel the image holds a whole number of
// pixels per board pixel (the density) and is drawn for it: the pictures of that density and a
// star whose inner edges, grid lines and hole rims are antialiased, its outline still cut by the
// one-bit mask. Layout, hit test and every rectangle in and out stay in board pixels; at density
// 1 the pixels are those of the plain drawing.
//
//   CBoardRenderer renderer;
//   renderer.SetBoard(&board);
//   renderer.SetChangedCallback([&](const QRect& r) { widget.update(r); });
//   renderer.Resize(width, height);  // lays the board out and loads the pictures of its size
//   renderer.Paint();
//   painter.drawImage(0, 0, renderer.Image());
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "board/GameBoard.h"
#include "game/BoardCanvas.h"
#include "view/MaskedSprite.h"
#include "view/TransparentSurface.h"

class QPainter;

namespace halmora {

class CBoardRenderer : public CBoardCanvas {
public:
    using ChangedCallback = std::function<void(const QRect&)>;

    void SetBoard(CGameBoard* board) { board_ = board; }
    // The screen's device pixels per board pixel; takes effect at the next Resize.
    void SetDevicePixelRatio(double ratio);
    double DevicePixelRatio() const { return ratio_; }
    // Image pixels per board pixel: the ratio rounded up.
    int Density() const { return density_; }
    // Lays the board out for an area of this size and reloads the pictures when the board size
    // changes (or none are loaded yet). The image is cleared to the background.
    void Resize(int width, int height);
    // What shows round the star: a colour, or a picture of the area's size when one is set.
    void SetBackgroundColor(const QColor& colour) { background_ = colour; }
    void SetBackgroundImage(const QImage& picture) { backgroundImage_ = picture; }
    void SetChangedCallback(ChangedCallback changed) { changed_ = std::move(changed); }

    // Density times the area's size, with that device pixel ratio.
    const QImage& Image() const { return image_; }
    // Lays the image under a rectangle of board pixels onto a painter in board pixels, smoothly
    // shrunk where the screen's ratio is below the image's density.
    void PaintOn(QPainter& dc, const QRect& area) const;

    void Paint() override;
    void DrawCell(Place p) override;
    void DrawHoleDisc(Rgb colour, Place p) override;
    void DrawMarbleRing(Rgb colour, Place p, int penWidth) override;
    void RedrawRegion(int x, int y, int width, int height) override;
    void DrawMarbleAt(int x, int y, PlayerColor colour) override;
    void ClearHoverHighlights() override;
    bool HitTest(int x, int y, Place& hole) override;
    void SetCursor(CursorKind kind, PlayerColor colour = kNoColor) override;
    PixelSize MarbleSize() const override;
    PixelSize HoleSize() const override;

    // The composed board's drawing for the board's layout, at the painter's origin: the coloured
    // triangles, the hexagon, the grid lines and the hole picture on every hole.
    static void DrawStar(QPainter& dc, const CGameBoard& board, const CTransparentSurface& hole);
    // The colour of a PlayerColor's triangle and marbles.
    static QRgb MarbleColour(PlayerColor colour);

private:
    void LoadGraphics(int boardSize);
    // The marbles and the hole at the density, from the "@2x" pictures where there are any.
    void LoadDenseGraphics(const std::string& sizeNumber);
    QRect ToImage(const QRect& area) const {
        return {area.x() * density_, area.y() * density_, area.width() * density_,
                area.height() * density_};
    }
    // The background picture at the density, made from the one set when they differ.
    const QImage& BackgroundPicture();
    // Composes the star again when the drawing it was made from has changed since.
    void UpdateComposedBoard();
    // The rectangle a marble on the hole covers, in board-area pixels.
    QRect MarbleRect(Place p) const;
    // Background, then the composed board over it: a marble drawn outside the star's outline
    // must not survive its restore.
    void Restore(const QRect& area);
    void FillBackground(const QRect& area);
    void DrawMarble(Place p);
    void Changed(const QRect& area) const;

    CGameBoard* board_ = nullptr;
    double ratio_ = 1.0;
    int density_ = 1;
    int loadedDensity_ = 1;
    QSize area_;
    QImage image_;
    QColor background_{Qt::black};
    QImage backgroundImage_;
    QImage denseBackground_;
    qint64 denseBackgroundKey_ = 0;
    ChangedCallback changed_;
    int loadedSize_ = -1;
    std::array<CTransparentSurface, kColorCount> marbles_;
    CTransparentSurface hole_;
    std::array<CMaskedSprite, kColorCount> marbleSprites_;
    CMaskedSprite composed_;
    // Above density 1: the hole at the density with a softened outline, for the star's drawing.
    QImage denseHole_;
    // Everything the star's drawing reads (board size, tip zones, every hole's flag and
    // position), as it was when composed_ was made; empty when composed_ must be made again.
    std::vector<int> composedFrom_;
    // The background colour as one image pixel, worked out by a painter once per colour.
    QColor fillColour_;
    QRgb fillPixel_ = 0;
};

}  // namespace halmora
