// The canvas the game draws with in the application: the board renderer, always pointed at the
// game's current board. A new or restarted game makes a new board object, so the renderer is
// re-aimed (and its backing image re-laid out) before every operation instead of once.
#pragma once

#include <functional>

#include "game/BoardCanvas.h"
#include "view/BoardRenderer.h"

namespace halmora {

class CGameCanvas : public CBoardCanvas {
public:
    using BoardSource = std::function<CGameBoard*()>;
    using CursorSink = std::function<void(CursorKind, PlayerColor)>;

    CGameCanvas(CBoardRenderer& renderer, BoardSource board, CursorSink cursor);

    // The board area's size; the renderer is laid out anew for it.
    void SetAreaSize(int width, int height);
    // Points the renderer at the game's board now, laying it out if the board changed.
    void Sync();

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

private:
    CBoardRenderer& renderer_;
    BoardSource board_;
    CursorSink cursor_;
    const CGameBoard* shown_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace halmora
