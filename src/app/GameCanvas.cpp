#include "app/GameCanvas.h"

#include <utility>

namespace halmora {

CGameCanvas::CGameCanvas(CBoardRenderer& renderer, BoardSource board, CursorSink cursor)
    : renderer_(renderer), board_(std::move(board)), cursor_(std::move(cursor)) {}

void CGameCanvas::SetAreaSize(int width, int height) {
    width_ = width;
    height_ = height;
    CGameBoard* board = board_();
    renderer_.SetBoard(board);
    shown_ = board;
    renderer_.Resize(width, height);
}

void CGameCanvas::Sync() {
    CGameBoard* board = board_();
    if (board == shown_)
        return;
    renderer_.SetBoard(board);
    shown_ = board;
    // A new board object was laid out by the game for the same area; the renderer still needs
    // the pictures of its size and a clean image.
    renderer_.Resize(width_, height_);
}

void CGameCanvas::Paint() {
    Sync();
    renderer_.Paint();
}

void CGameCanvas::DrawCell(Place p) {
    Sync();
    renderer_.DrawCell(p);
}

void CGameCanvas::DrawHoleDisc(Rgb colour, Place p) {
    Sync();
    renderer_.DrawHoleDisc(colour, p);
}

void CGameCanvas::DrawMarbleRing(Rgb colour, Place p, int penWidth) {
    Sync();
    renderer_.DrawMarbleRing(colour, p, penWidth);
}

void CGameCanvas::RedrawRegion(int x, int y, int width, int height) {
    Sync();
    renderer_.RedrawRegion(x, y, width, height);
}

void CGameCanvas::DrawMarbleAt(int x, int y, PlayerColor colour) {
    Sync();
    renderer_.DrawMarbleAt(x, y, colour);
}

void CGameCanvas::ClearHoverHighlights() {
    Sync();
    renderer_.ClearHoverHighlights();
}

bool CGameCanvas::HitTest(int x, int y, Place& hole) {
    Sync();
    return renderer_.HitTest(x, y, hole);
}

void CGameCanvas::SetCursor(CursorKind kind, PlayerColor colour) {
    if (cursor_)
        cursor_(kind, colour);
}

PixelSize CGameCanvas::MarbleSize() const {
    return renderer_.MarbleSize();
}

PixelSize CGameCanvas::HoleSize() const {
    return renderer_.HoleSize();
}

}  // namespace halmora
