// A board canvas that records what is drawn, as lines of text, and finds holes under points
// from the board's layout, so game logic is tested without a display.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "board/GameBoard.h"
#include "game/BoardCanvas.h"

namespace halmora::testing {

class FakeCanvas : public CBoardCanvas {
public:
    // The board whose layout HitTest reads; sizes as at the 300-pixel board.
    explicit FakeCanvas(const CGameBoard* board = nullptr) : board_(board) {}

    void Paint() override { calls.push_back("Paint"); }
    void DrawCell(Place p) override { calls.push_back("DrawCell " + Text(p)); }
    void DrawHoleDisc(Rgb colour, Place p) override {
        calls.push_back("DrawHoleDisc " + Hex(colour) + " " + Text(p));
    }
    void DrawMarbleRing(Rgb colour, Place p, int penWidth) override {
        calls.push_back("DrawMarbleRing " + Hex(colour) + " " + Text(p) + " " +
                        std::to_string(penWidth));
    }
    void RedrawRegion(int x, int y, int w, int h) override {
        calls.push_back("RedrawRegion " + std::to_string(x) + "," + std::to_string(y) + " " +
                        std::to_string(w) + "x" + std::to_string(h));
    }
    void DrawMarbleAt(int x, int y, PlayerColor c) override {
        calls.push_back("DrawMarbleAt " + std::to_string(x) + "," + std::to_string(y) + " " +
                        std::to_string(c));
    }
    void ClearHoverHighlights() override {
        calls.push_back("ClearHoverHighlights");
        if (mutableBoard == nullptr)
            return;
        for (int row = 0; row < kGridSize; ++row)
            for (int col = 0; col < kGridSize; ++col) {
                HoleRecord& h = mutableBoard->Hole(col, row);
                if (h.highlight == 100 || h.highlight == 101)
                    h.highlight = -1;
            }
    }
    // The hole whose picture contains the point.
    bool HitTest(int x, int y, Place& hole) override {
        if (board_ == nullptr)
            return false;
        for (int row = 0; row < kGridSize; ++row)
            for (int col = 0; col < kGridSize; ++col) {
                const Place p{col, row};
                if (!board_->Hole(p).isHole)
                    continue;
                const int hx = board_->ScreenX(p), hy = board_->ScreenY(p);
                if (x >= hx && x < hx + holeSize.width && y >= hy && y < hy + holeSize.height) {
                    hole = p;
                    return true;
                }
            }
        return false;
    }
    void SetCursor(CursorKind kind, PlayerColor colour) override {
        cursor = kind;
        cursorColour = colour;
    }
    PixelSize MarbleSize() const override { return marbleSize; }
    PixelSize HoleSize() const override { return holeSize; }

    // The centre of a hole's picture, for clicking on it.
    int CentreX(Place p) const { return board_->ScreenX(p) + holeSize.width / 2; }
    int CentreY(Place p) const { return board_->ScreenY(p) + holeSize.height / 2; }

    std::vector<std::string> calls;
    CursorKind cursor = CursorKind::Arrow;
    PlayerColor cursorColour = kNoColor;
    PixelSize marbleSize{12, 13};
    PixelSize holeSize{10, 10};
    CGameBoard* mutableBoard = nullptr;  // set to let ClearHoverHighlights reset highlights

    static std::string Text(Place p) { return std::to_string(p.col) + "," + std::to_string(p.row); }
    static std::string Hex(Rgb c) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%06X", c & 0xFFFFFF);
        return buf;
    }

private:
    const CGameBoard* board_;
};

}  // namespace halmora::testing
