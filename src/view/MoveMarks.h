// What the board shows beyond the game's own drawing, while the player wants it: a small disc in
// the mover's colour on every hole of the last move's path (the holes' lastMove), and the marble
// of the player to move in the board area's top-left corner, which the star never reaches.
// Neither is part of the composed board: the marks are drawn over the marbles by the renderer
// wherever it draws holes, the turn marble over the board by the window.
#pragma once

#include <QRect>

#include "board/GameBoard.h"
#include "game/BoardCanvas.h"

class QImage;
class QPainter;

namespace halmora {

// Draws, whole, the mark of every marked hole whose marble rectangle meets `area` (edges count,
// as for the marbles redrawn there). The marks are drawn without antialiasing, so drawing one
// again over itself changes nothing.
void DrawLastMoveMarks(QImage& image, const CGameBoard& board, PixelSize hole, PixelSize marble,
                       const QRect& area);

// Where the turn marble is drawn, in board-area pixels.
QRect TurnMarbleRect();
void DrawTurnMarble(QPainter& dc, PlayerColor colour);

}  // namespace halmora
