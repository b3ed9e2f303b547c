// The move generator: the one definition of a legal move. It lists every move of the marble on
// a start hole, with its whole path, in a fixed order: the single steps by direction, then depth
// first every jump by direction followed at once by the chains continuing from its landing. A
// chain continuation never lands on a hole that any listed move already uses; a first jump from
// the start is exempt. The marble stays on its start hole while the moves are listed, so chains
// may jump over it but never land there.
//
// One implementation serves both board forms: the snapshot of the mouse input (BoardCells into a
// MoveList) and the computer opponent's CBasicBoard (into per-marble candidate lists). Any list
// with `count` and `moves[i]` (a Move or a type derived from it) can be filled.
#pragma once

#include <algorithm>
#include <cstdint>

#include "board/BasicBoard.h"
#include "board/BoardCells.h"
#include "board/Move.h"

namespace halmora {

namespace detail {

// For every place and direction: the neighbour's index (-1 off the grid) and the jump landing's
// index (-1 when its row or column is outside 1..18).
struct GridLinks {
    int16_t neighbour[kPlaceCount][kDirectionCount];
    int16_t landing[kPlaceCount][kDirectionCount];
    Place place[kPlaceCount];
};
extern const GridLinks kGridLinks;

inline bool IsHoleCell(const BoardCell& c) {
    return c.isHole != 0;
}
inline bool IsHoleCell(const BasicCell& c) {
    return c.kind != 0;
}
template <class Cell>
inline bool IsEmptyCell(const Cell& c) {
    return c.occupant == kNoColor8;
}

// Fills a MoveList, or any list with `count` and `moves[i]` of a type derived from Move, with
// whole paths.
template <class List>
class PathSink {
public:
    explicit PathSink(List& list) : list_(list) {}

    // Moves past the count are never read, so only the count is reset.
    void Reset() { list_.count = 0; }
    bool Full() const { return list_.count == kMaxMoves; }
    void AddStep(int start, int to) {
        Move& m = list_.moves[list_.count++];
        m.count = 0;
        m.Append(kGridLinks.place[start]);
        m.Append(kGridLinks.place[to]);
    }
    // Returns the new move's index, or -1 when the path would not fit.
    int AddJump(int prev, int start, int to) {
        Move& m = list_.moves[list_.count];
        if (prev < 0) {
            m.count = 0;
            m.Append(kGridLinks.place[start]);
        } else {
            const Move& before = list_.moves[prev];
            if (before.count == kMaxPathPlaces)
                return -1;
            std::copy_n(before.places.begin(), before.count, m.places.begin());
            m.count = before.count;
        }
        m.Append(kGridLinks.place[to]);
        return list_.count++;
    }

private:
    List& list_;
};

// The generator proper, writing through a sink so that the computer opponent can keep only
// the ends of its moves while the order stays the one definition.
template <class Cell, class Sink>
class MoveGeneratorImpl {
public:
    MoveGeneratorImpl(const Cell* cells, Sink& sink) : cells_(cells), sink_(sink) {}

    void Generate(int start) {
        start_ = start;
        for (uint64_t& w : used_)
            w = 0;
        sink_.Reset();
        Steps();
        Jumps(start, -1);
    }

private:
    void Steps() {
        for (int d = 0; d < kDirectionCount; ++d) {
            const int n = kGridLinks.neighbour[start_][d];
            if (n < 0 || !IsHoleCell(cells_[n]) || !IsEmptyCell(cells_[n]))
                continue;
            if (sink_.Full())
                return;
            sink_.AddStep(start_, n);
            MarkUsed(n);
        }
    }

    // Chains continuing from place p. `prev` is the index of the move that ended on p, -1 when p
    // is the start (landings never reach the start again, so only the first call has -1).
    void Jumps(int p, int prev) {
        for (int d = 0; d < kDirectionCount; ++d) {
            const int l = kGridLinks.landing[p][d];
            if (l < 0 || !IsHoleCell(cells_[l]) || l == start_)
                continue;
            const int m = kGridLinks.neighbour[p][d];
            if (m < 0 || IsEmptyCell(cells_[m]) || !IsEmptyCell(cells_[l]))
                continue;
            if (prev >= 0 && IsUsed(l))
                continue;
            if (sink_.Full())
                return;  // never reached on this board
            const int index = sink_.AddJump(prev, start_, l);
            if (index < 0)
                continue;
            MarkUsed(l);
            Jumps(l, index);
        }
    }

    // Every listed move's places are the start and ends of listed moves, so a set of ends is
    // the same test as scanning every path.
    void MarkUsed(int i) { used_[i >> 6] |= uint64_t{1} << (i & 63); }
    bool IsUsed(int i) const { return (used_[i >> 6] >> (i & 63)) & 1; }

    const Cell* cells_;
    Sink& sink_;
    int start_ = 0;
    uint64_t used_[(kPlaceCount + 63) / 64] = {};
};

}  // namespace detail

// Fills `list` (cleared first) with every move of the marble on `start`. The caller passes a hole
// that holds a marble.
template <class List>
void GenerateMoves(const BoardCells& board, Place start, List& list) {
    detail::PathSink<List> sink(list);
    detail::MoveGeneratorImpl<BoardCell, detail::PathSink<List>>(board.cells.data(), sink)
        .Generate(PlaceIndex(start));
}

template <class List>
void GenerateMoves(const CBasicBoard& board, Place start, List& list) {
    detail::PathSink<List> sink(list);
    detail::MoveGeneratorImpl<BasicCell, detail::PathSink<List>>(board.Cells(), sink)
        .Generate(PlaceIndex(start));
}

// The moves of the marble on `start` (a place index) written through a sink of one's own; see
// PathSink for what a sink provides.
template <class Sink>
void GenerateMovesInto(const CBasicBoard& board, int start, Sink& sink) {
    detail::MoveGeneratorImpl<BasicCell, Sink>(board.Cells(), sink).Generate(start);
}

// True when a move of `list` ends on `hole`.
bool AnyMoveEndsOn(const MoveList& list, Place hole);

// True when some marble of colour c has a move on `board`.
bool HasAnyMove(const BoardCells& board, PlayerColor c);

}  // namespace halmora
