// What the game logic draws the board with. The Qt renderer implements it over the board area's
// backing image; tests use a recording fake. Points are board-area pixels, places grid holes.
// The board's model and layout (CGameBoard) are passed alongside where an operation needs them.
#pragma once

#include <cstdint>

#include "board/Place.h"

namespace halmora {

// A colour as red, green and blue bytes: 0xRRGGBB.
using Rgb = uint32_t;
inline constexpr Rgb kPossibleTargetRgb = 0x00FF00;
inline constexpr Rgb kImpossibleTargetRgb = 0xFF0000;
inline constexpr Rgb kSuggestionRgb = 0xFFFFFF;

enum class CursorKind {
    Arrow,   // the standard arrow
    Busy,    // arrow with a small hourglass: a computer is thinking
    Hand,    // pointing hand over links
    Marble,  // a marble of a colour carried by drag and drop
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

class CBoardCanvas {
public:
    virtual ~CBoardCanvas() = default;

    // Composes and paints the whole board with all its marbles.
    virtual void Paint() = 0;
    // Repaints one hole: the board under it and its marble, unless hidden.
    virtual void DrawCell(Place p) = 0;
    // Repaints the board under a hole and fills the hole with a disc of the colour.
    virtual void DrawHoleDisc(Rgb colour, Place p) = 0;
    // A ring round the marble area of a hole.
    virtual void DrawMarbleRing(Rgb colour, Place p, int penWidth) = 0;
    // Repaints a rectangle from the composed board and every marble that overlaps it.
    virtual void RedrawRegion(int x, int y, int width, int height) = 0;
    // A marble with its top-left corner at a point.
    virtual void DrawMarbleAt(int x, int y, PlayerColor colour) = 0;
    // Removes every green or red target disc (and resets those holes' highlights).
    virtual void ClearHoverHighlights() = 0;
    // The hole under a point; false for none.
    virtual bool HitTest(int x, int y, Place& hole) = 0;
    virtual void SetCursor(CursorKind kind, PlayerColor colour = kNoColor) = 0;
    // Picture sizes of the current board size; the Red marble stands for all six.
    virtual PixelSize MarbleSize() const = 0;
    virtual PixelSize HoleSize() const = 0;
};

}  // namespace halmora
