#include "game/SavedGameMapping.h"

#include <algorithm>

#include "board/BoardCells.h"
#include "board/MoveGenerator.h"
#include "game/ComputerPlayer.h"
#include "game/Game.h"
#include "game/HumanPlayer.h"

namespace halmora {
namespace {

// True when `mover` can play `m` on `cells`: its marble on the start, every place a hole and
// the end empty and reached by a legal move.
bool Playable(const BoardCells& cells, PlayerColor mover, const Move& m) {
    for (int j = 0; j < m.count; ++j)
        if (!cells.At(m.places[j]).isHole)
            return false;
    if (cells.At(m.Start()).occupant != ToColor8(mover) || cells.At(m.End()).occupant != kNoColor8)
        return false;
    MoveList list;
    GenerateMoves(cells, m.Start(), list);
    return AnyMoveEndsOn(list, m.End());
}

void MoveOccupant(BoardCells& cells, Place from, Place to) {
    cells.cells[PlaceIndex(to)].occupant = cells.At(from).occupant;
    cells.cells[PlaceIndex(from)].occupant = kNoColor8;
}

// The moves first..end-1 of a saved history are the ones that fit the saved board.
struct HistoryFit {
    int32_t first = 0;
    int32_t end = 0;
};

HistoryFit FitHistoryToBoard(const CGameBoard& board, std::span<const PlayerColor> seated,
                             const SavedGameRecord& r) {
    const BoardCells atPosition = BoardCells::Snapshot(board);
    auto isSeated = [&](PlayerColor c) {
        return std::find(seated.begin(), seated.end(), c) != seated.end();
    };
    const auto move = [&r](int32_t i) -> const Move& { return r.history[i].path; };
    const auto mover = [&r](int32_t i) { return r.history[i].mover; };
    HistoryFit fit;
    BoardCells cells = atPosition;
    for (int32_t i = r.historyPosition - 1; i >= 0 && fit.first == 0; --i) {
        const Move& m = move(i);
        const bool fits = isSeated(mover(i)) && cells.At(m.End()).occupant == ToColor8(mover(i)) &&
                          cells.At(m.Start()).occupant == kNoColor8;
        if (fits)
            MoveOccupant(cells, m.End(), m.Start());
        if (!fits || !Playable(cells, mover(i), m))
            fit.first = i + 1;
    }
    fit.end = r.historyPosition;
    cells = atPosition;
    while (fit.end < r.historyTop && isSeated(mover(fit.end)) &&
           Playable(cells, mover(fit.end), move(fit.end))) {
        MoveOccupant(cells, move(fit.end).Start(), move(fit.end).End());
        ++fit.end;
    }
    return fit;
}

}  // namespace

std::unique_ptr<SavedGameRecord> SavedGameRecordOf(const CGame& game) {
    auto record = std::make_unique<SavedGameRecord>();
    record->playerCount = game.Players();
    record->moveCount = game.MoveCount();
    record->currentColour = game.CurrentColour();
    record->gameState = game.State();
    record->gameTimeMs = game.GameClock().Get();
    record->clocksOn = game.ClocksOn() ? 1 : 0;
    record->initialSeconds = game.InitialSeconds();
    record->secondsPerMove = game.SecondsPerMove();
    const std::vector<PlayerColor>& order = game.TurnOrder();
    for (size_t i = 0; i < order.size() && i < kColorCount; ++i) {
        const CPlayer* p = game.Seat(order[i]);
        SavedPlayer& out = record->players[i];
        out.name = p->Name();
        out.seatType = p->SeatType();
        out.colour = p->Colour();
        out.remainingMs = game.ClocksOn() ? game.PlayerClock(p->Colour())->Get() : 0;
    }
    game.Board()->WriteHoles(record->holes);
    const CMoveHistory& history = game.History();
    record->historyTop = history.Top();
    record->historyPosition = history.Position();
    for (int i = 0; i < history.Top(); ++i)
        record->history[i] = {history.MoverAt(i), history.MoveAt(i)};
    record->seatTypes = history.SeatTypes();
    return record;
}

std::unique_ptr<CPlayer> PlayerOf(const SavedPlayer& saved) {
    if (saved.seatType == kSeatHuman)
        return std::make_unique<CHumanPlayer>(saved.colour, saved.seatType,
                                              GbkNameBytes(saved.name));
    return std::make_unique<CComputerPlayer>(saved.colour, saved.seatType,
                                             GbkNameBytes(saved.name));
}

void RestoreHistory(CMoveHistory& history, const CGameBoard& board,
                    std::span<const PlayerColor> seated, const SavedGameRecord& r) {
    const HistoryFit fit = FitHistoryToBoard(board, seated, r);
    std::vector<Move> moves;
    std::vector<PlayerColor> movers;
    for (int32_t i = fit.first; i < fit.end; ++i) {
        moves.push_back(r.history[i].path);
        movers.push_back(r.history[i].mover);
    }
    history.Assign(fit.end - fit.first, r.historyPosition - fit.first, moves.data(), movers.data());
    history.SetSeatTypes(r.seatTypes);
}

}  // namespace halmora
