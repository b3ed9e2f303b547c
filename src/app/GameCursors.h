// The program's own cursors: the pointing hand over links and the marble carried by drag and
// drop, one per colour and board size. Loaded once from the game folder's resource pictures; a
// missing picture falls back to a standard cursor.
#pragma once

#include <QCursor>

#include <array>

#include "board/Place.h"

namespace halmora {

class CGameCursors {
public:
    // Reads Resources/cursor-N.png and the hot spots of Resources/cursors.txt.
    void Load();

    const QCursor& Hand() const { return hand_; }
    // boardSize 0, 1 or 2 (300, 400, 600).
    const QCursor& Marble(int boardSize, PlayerColor colour) const;

private:
    QCursor hand_{Qt::PointingHandCursor};
    std::array<std::array<QCursor, kColorCount>, 3> marbles_{};
};

}  // namespace halmora
