#include "game/HumanPlayer.h"

#include "board/BoardCells.h"
#include "board/MoveGenerator.h"

namespace halmora {
namespace {

constexpr int32_t kDragAndDrop = 0;
constexpr int32_t kConnectTheDots = 1;

constexpr Rgb kSelectionRingRgb = 0xFFFFFF;
constexpr int kSelectionRingPen = 2;

// The square repainted round the mouse point after a drop, which takes the carried marble's
// last image with it.
constexpr int kDropSquare = 100;

// Every move of the marble standing on `start`, on a snapshot so the board is never touched.
MoveList MovesFrom(const CGameBoard& board, Place start) {
    MoveList list;
    GenerateMoves(BoardCells::Snapshot(board), start, list);
    return list;
}

}  // namespace

CHumanPlayer::CHumanPlayer(PlayerColor colour, PlayerType seatType, std::string_view name)
    : CPlayer(colour, seatType, name) {
    moveState_ = kMoveIdle;
}

void CHumanPlayer::BeginTurn(CBoardCanvas&, CGameBoard&, const TurnInfo&) {
    moveState_ = kMoveChoosing;
    selected_.count = 0;
}

int32_t CHumanPlayer::PollTurn(CBoardCanvas& canvas, CGameBoard& board) {
    if (moveState_ == kMoveAnimating && animator_.Step(canvas, board))
        moveState_ = kMoveDone;
    return moveState_;
}

void CHumanPlayer::MouseInput(int32_t message, int32_t, int x, int y, CBoardCanvas& canvas,
                              CGameBoard& board) {
    if (moveState_ == kMoveIdle || moveState_ == kMoveAnimating || moveState_ == kMoveDone)
        return;

    Place hole;
    // A place off the grid would index outside the board, so it counts as no hole.
    const bool onHole = canvas.HitTest(x, y, hole) && InsideGrid(hole);

    if (message == kRightButtonDown) {
        Cancel(canvas);
        return;
    }
    if (options_.mouseMode == kDragAndDrop) {
        switch (message) {
            case kLeftButtonDown:
                PickUp(onHole, hole, canvas, board);
                break;
            case kMouseMove:
                DragHover(onHole, hole, canvas, board);
                break;
            case kLeftButtonUp:
                Drop(onHole, hole, x, y, canvas, board);
                break;
            default:
                break;
        }
    } else if (options_.mouseMode == kConnectTheDots) {
        switch (message) {
            case kLeftButtonDown:
                Click(onHole, hole, canvas, board);
                break;
            case kMouseMove:
                DotsHover(onHole, hole, canvas, board);
                break;
            default:
                break;
        }
    }
}

void CHumanPlayer::ForceMove() {}

void CHumanPlayer::Cancel(CBoardCanvas& canvas) {
    selected_.count = 0;
    canvas.ClearHoverHighlights();
    canvas.SetCursor(CursorKind::Arrow);
    // A full paint also brings back a marble that a drag took off the drawing.
    canvas.Paint();
}

void CHumanPlayer::PickUp(bool onHole, Place hole, CBoardCanvas& canvas, CGameBoard& board) {
    selected_.count = 0;
    if (!onHole || !IsOwnMarble(hole, board))
        return;
    selected_.Append(hole);
    HideStartMarble(canvas, board);
    canvas.SetCursor(CursorKind::Marble, colour_);
}

void CHumanPlayer::DragHover(bool onHole, Place hole, CBoardCanvas& canvas, CGameBoard& board) {
    if (!PickedUp()) {
        if (onHole && IsOwnMarble(hole, board)) {
            canvas.SetCursor(CursorKind::Hand);
            if (options_.showMovesOnHover)
                ShowPossibleMoves(hole, canvas, board);
        } else {
            canvas.ClearHoverHighlights();
            canvas.SetCursor(CursorKind::Arrow);
        }
        return;
    }

    HideStartMarble(canvas, board);
    canvas.SetCursor(CursorKind::Marble, colour_);
    const HoleRecord* target = onHole ? &board.Hole(hole) : nullptr;
    if (target == nullptr || !target->isHole || target->occupant != kNoColor) {
        canvas.ClearHoverHighlights();
    } else if (AnyMoveEndsOn(MovesFrom(board, selected_.Start()), hole)) {
        canvas.ClearHoverHighlights();
        canvas.DrawHoleDisc(kPossibleTargetRgb, hole);
        board.Hole(hole).highlight = kHighlightPossible;
    } else {
        canvas.ClearHoverHighlights();
        canvas.DrawHoleDisc(kImpossibleTargetRgb, hole);
        board.Hole(hole).highlight = kHighlightImpossible;
    }
    // Clearing the marks repaints holes, so the carried marble is taken off the drawing again.
    HideStartMarble(canvas, board);
    canvas.SetCursor(CursorKind::Marble, colour_);
}

void CHumanPlayer::Drop(bool onHole, Place hole, int x, int y, CBoardCanvas& canvas,
                        CGameBoard& board) {
    if (!onHole) {
        if (selected_.count > 0)
            canvas.DrawCell(selected_.Start());
        selected_.count = 0;
        canvas.ClearHoverHighlights();
        canvas.SetCursor(CursorKind::Arrow);
        return;
    }
    if (!PickedUp())
        return;

    const Place start = selected_.Start();
    const MoveList moves = MovesFrom(board, start);
    bool found = false;
    // Where several paths end on the hole, the last one in the generator's order is taken.
    for (int i = 0; i < moves.count; ++i) {
        if (moves.moves[i].End() == hole) {
            selected_ = moves.moves[i];
            previousMove_ = moves.moves[i];
            found = true;
        }
    }

    if (found) {
        canvas.ClearHoverHighlights();
        // A dropped move is never animated: the marble is already where the user let it go.
        board.MoveMarble(start, hole);
        moveState_ = kMoveDone;
        canvas.RedrawRegion(x - kDropSquare / 2, y - kDropSquare / 2, kDropSquare, kDropSquare);
        canvas.DrawCell(start);
        canvas.DrawCell(hole);
    } else {
        canvas.RedrawRegion(x - kDropSquare / 2, y - kDropSquare / 2, kDropSquare, kDropSquare);
        canvas.DrawCell(start);
        selected_.count = 0;
        canvas.ClearHoverHighlights();
    }
    // The marble is on the board again either way; the cursor must not go on showing it, least
    // of all once the move is done and mouse moves are no longer handled.
    canvas.SetCursor(CursorKind::Arrow);
}

void CHumanPlayer::Click(bool onHole, Place hole, CBoardCanvas& canvas, CGameBoard& board) {
    if (!onHole || !board.Hole(hole).isHole)
        return;
    if (IsOwnMarble(hole, board)) {
        if (selected_.count > 0) {
            canvas.ClearHoverHighlights();
            canvas.DrawCell(selected_.Start());
        }
        selected_.count = 0;
        selected_.Append(hole);
        canvas.DrawMarbleRing(kSelectionRingRgb, hole, kSelectionRingPen);
        canvas.ClearHoverHighlights();
        return;
    }
    if (board.Hole(hole).occupant != kNoColor || selected_.count == 0)
        return;
    if (selected_.End() == hole)
        Perform(canvas, board);
    else
        AddDot(hole, canvas, board);
}

void CHumanPlayer::Perform(CBoardCanvas& canvas, CGameBoard& board) {
    canvas.ClearHoverHighlights();
    moveState_ = kMoveAnimating;
    previousMove_ = selected_;
    // The marble goes along the path the player clicked.
    if (options_.fullAnimation) {
        animator_.Start(canvas, selected_, board, options_.marbleSpeed);
        return;
    }
    board.MoveMarble(selected_.Start(), selected_.End());
    moveState_ = kMoveDone;
    canvas.DrawCell(selected_.Start());
    canvas.DrawCell(selected_.End());
}

void CHumanPlayer::AddDot(Place hole, CBoardCanvas& canvas, CGameBoard& board) {
    // A full path could not take the dot, and a mark would promise a hole it does not hold.
    if (selected_.count >= kMaxPathPlaces)
        return;
    // One step or one jump on from the last dot (the marble still stands on the start hole)...
    const MoveList fromLast = MovesFrom(board, selected_.End());
    bool oneHop = false;
    for (int i = 0; i < fromLast.count; ++i)
        if (fromLast.moves[i].count == 2 && fromLast.moves[i].End() == hole)
            oneHop = true;
    if (!oneHop)
        return;
    // ...to a hole that some legal move of the marble ends on.
    if (!AnyMoveEndsOn(MovesFrom(board, selected_.Start()), hole))
        return;
    selected_.Append(hole);
    canvas.DrawHoleDisc(kPossibleTargetRgb, hole);
    board.Hole(hole).highlight = kHighlightPossible;
}

void CHumanPlayer::DotsHover(bool onHole, Place hole, CBoardCanvas& canvas, CGameBoard& board) {
    if (selected_.count != 0)
        return;
    if (onHole && IsOwnMarble(hole, board)) {
        if (options_.showMovesOnHover)
            ShowPossibleMoves(hole, canvas, board);
        return;
    }
    canvas.ClearHoverHighlights();
    canvas.SetCursor(CursorKind::Arrow);
}

bool CHumanPlayer::IsOwnMarble(Place hole, const CGameBoard& board) const {
    const HoleRecord& h = board.Hole(hole);
    return h.isHole && h.occupant == colour_;
}

// Takes the picked marble off the drawing while the model keeps it on its hole.
void CHumanPlayer::HideStartMarble(CBoardCanvas& canvas, CGameBoard& board) {
    HoleRecord& h = board.Hole(selected_.Start());
    const int32_t occupant = h.occupant;
    h.occupant = kNoColor;
    canvas.DrawCell(selected_.Start());
    h.occupant = occupant;
}

void CHumanPlayer::ShowPossibleMoves(Place hole, CBoardCanvas& canvas, CGameBoard& board) {
    canvas.ClearHoverHighlights();
    const MoveList moves = MovesFrom(board, hole);
    for (int i = 0; i < moves.count; ++i) {
        canvas.DrawHoleDisc(kPossibleTargetRgb, moves.moves[i].End());
        board.Hole(moves.moves[i].End()).highlight = kHighlightPossible;
    }
}

}  // namespace halmora
