// A board canvas that draws nothing and is never clicked: for games played without a window
// (self-play, making sample files).
#pragma once

#include "game/BoardCanvas.h"

namespace halmora {

class CNullCanvas : public CBoardCanvas {
public:
    void Paint() override {}
    void DrawCell(Place) override {}
    void DrawHoleDisc(Rgb, Place) override {}
    void DrawMarbleRing(Rgb, Place, int) override {}
    void RedrawRegion(int, int, int, int) override {}
    void DrawMarbleAt(int, int, PlayerColor) override {}
    void ClearHoverHighlights() override {}
    bool HitTest(int, int, Place&) override { return false; }
    void SetCursor(CursorKind, PlayerColor) override {}
    // The pictures of the smallest board, so that animations have a size to work with.
    PixelSize MarbleSize() const override { return {12, 13}; }
    PixelSize HoleSize() const override { return {10, 10}; }
};

}  // namespace halmora
