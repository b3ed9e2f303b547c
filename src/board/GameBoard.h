// The board of the running game: per-hole records on the 19 by 19 grid (the model plus the
// presentation numbers the view reads), the zone lists of the six triangles and the operations
// the game, the history and the computer opponent use. Pictures belong to the view.
//
//   CGameBoard board;
//   board.SetUp(TriangleColoursFor(seated));
//   board.PlaceMarbles(kRed);
//   board.MoveMarble({8, 13}, {8, 12});
#pragma once

#include <array>
#include <cstdint>

#include "board/BoardGeometry.h"

namespace halmora {

// A hole's hover mark while a human chooses a move: green where the marble can go, red where not.
enum HoleHighlight : int32_t {
    kNoHighlight = -1,
    kHighlightPossible = 100,
    kHighlightImpossible = 101,
};

struct HoleRecord {
    uint8_t isHole = 0;
    uint8_t marbleHidden = 0;          // presentation: carried by an animation
    int8_t lastMove = kNoColor;        // presentation: the colour whose last move passed here
    int32_t highlight = kNoHighlight;  // presentation: a HoleHighlight
    int32_t zone = kNoColor;
    int32_t x = 0;  // presentation: pixel position
    int32_t y = 0;
    int32_t occupant = kNoColor;
    int32_t zoneWeight = 0;
    int32_t col = 0;
    int32_t row = 0;
};

// The per-hole part of a saved game.
struct SavedHole {
    uint8_t isHole = 0;
    uint8_t marbleHidden = 0;
    int32_t highlight = kNoHighlight;
    int32_t zone = kNoColor;
    int32_t occupant = kNoColor;
    friend bool operator==(const SavedHole&, const SavedHole&) = default;
};
using SavedHoles = std::array<SavedHole, kPlaceCount>;

class CGameBoard {
public:
    CGameBoard();

    // Colours the triangles (colour per triangle position), marks the holes and fills the zone
    // lists and weights. Marbles are placed afterwards with PlaceMarbles.
    void SetUp(const std::array<PlayerColor, kColorCount>& colourAtPosition);

    // Copies every hole record (each keeps its own place) and rebuilds the zone lists.
    void CopyFrom(const CGameBoard& other);

    // Rebuilds the six zone lists from the holes' zones, tip first, and sets every triangle
    // hole's weight from its index there.
    void RebuildZoneLists();

    void PlaceMarbles(PlayerColor c);
    void RemoveMarbles(PlayerColor c);

    // Moves the marble with its presentation flags; places off the grid or not holes are ignored.
    void MoveMarble(Place from, Place to);

    PlayerColor TargetColour(PlayerColor c) const;
    int CountHome(PlayerColor c) const;

    // Turns the board's contents a sixth of a turn: direction 0 clockwise on the screen, 1 back.
    // Pixel positions stay with the places.
    void Rotate(int direction);

    const HoleRecord& Hole(int col, int row) const { return holes_[PlaceIndex(col, row)]; }
    HoleRecord& Hole(int col, int row) { return holes_[PlaceIndex(col, row)]; }
    const HoleRecord& Hole(Place p) const { return Hole(p.col, p.row); }
    HoleRecord& Hole(Place p) { return Hole(p.col, p.row); }

    // The holes of the triangle coloured c, tip first; fewer than ten only on a damaged board.
    const std::array<Place, kTriangleHoles>& ZoneList(PlayerColor c) const { return zones_[c]; }
    int ZoneListCount(PlayerColor c) const { return zoneCounts_[c]; }

    // Index of a place in the zone list of its zone, or -1.
    int ZoneIndexOf(Place p) const;

    // Chooses the board size (0, 1, 2 for 300, 400, 600 pixels) from the board area's height
    // alone, centres the board square in the area (offsets may be negative) and computes every
    // hole's pixel position inside the square. Pictures are the renderer's business.
    void Layout(int width, int height);
    int BoardSize() const { return boardSize_; }
    int BoardPixels() const { return kBoardPixels[boardSize_]; }
    int BoardLeft() const { return boardLeft_; }
    int BoardTop() const { return boardTop_; }
    // Where a hole's picture goes in the board area: its position plus the board's offset.
    int ScreenX(Place p) const { return Hole(p).x + boardLeft_; }
    int ScreenY(Place p) const { return Hole(p).y + boardTop_; }

    static constexpr int kBoardPixels[3] = {300, 400, 600};

    void WriteHoles(SavedHoles& out) const;
    void ReadHoles(const SavedHoles& in);

private:
    void ResetPlaces();

    std::array<HoleRecord, kPlaceCount> holes_;
    std::array<std::array<Place, kTriangleHoles>, kColorCount> zones_{};
    std::array<int, kColorCount> zoneCounts_{};
    int boardSize_ = 0;
    int boardLeft_ = 0;
    int boardTop_ = 0;
};

}  // namespace halmora
