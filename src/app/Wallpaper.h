// What the board area shows behind the board: the wallpaper picture of the settings, tiled or
// stretched over the area, or the plain colour. It hands the result to the board renderer, and
// paints it itself where no game is shown.
#pragma once

#include <QColor>
#include <QImage>

#include <memory>

#include "records/Settings.h"
#include "view/BoardRenderer.h"
#include "view/Surface.h"

class QPainter;
class QRect;

namespace halmora {

class CWallpaper {
public:
    // Reads the picture the settings name (none in colour mode).
    void Load(const CSettings& settings);
    // A picture the wallpaper dialog has read already.
    void Take(std::unique_ptr<CSurface> picture) { picture_ = std::move(picture); }
    void Drop() { picture_.reset(); }
    bool HasPicture() const { return picture_ != nullptr; }

    // Lays the background out for an area of w by h and gives it to the renderer.
    void Update(int w, int h, const CSettings& settings, CBoardRenderer& renderer);
    // Paints the background into `dirty` of the board area.
    void Paint(QPainter& dc, const QRect& dirty, const CSettings& settings) const;

    static QColor Colour(const CSettings& settings);

private:
    std::unique_ptr<CSurface> picture_;
    QImage background_;  // the picture laid over the board area, or null for the colour
};

}  // namespace halmora
