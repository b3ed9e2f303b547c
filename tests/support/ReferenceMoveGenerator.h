// The move rules written as plainly as possible, with the linear scan of every listed path for
// repeated landings, so that the fast generator can be checked against it.
#pragma once

#include "board/BoardCells.h"
#include "board/BoardGeometry.h"
#include "board/Move.h"

namespace halmora::testing {

class ReferenceGenerator {
public:
    explicit ReferenceGenerator(const BoardCells& cells) : cells_(cells) {}

    MoveList Generate(Place s) {
        list_ = MoveList{};
        s_ = s;
        for (int d = 0; d < kDirectionCount; ++d) {
            const Place n = Neighbour(s, d);
            if (IsHole(n) && IsEmpty(n)) {
                Move& m = list_.moves[list_.count++];
                m.Append(s);
                m.Append(n);
            }
        }
        Jumps(s);
        return list_;
    }

private:
    bool IsHole(Place p) const { return InsideGrid(p) && cells_.At(p).isHole == 1; }
    bool IsEmpty(Place p) const { return cells_.At(p).occupant == 255; }
    bool Listed(Place p) const {
        for (int i = 0; i < list_.count; ++i)
            for (int k = 0; k < list_.moves[i].count; ++k)
                if (list_.moves[i].places[k] == p)
                    return true;
        return false;
    }

    void Jumps(Place p) {
        const int c0 = list_.count;
        for (int d = 0; d < kDirectionCount; ++d) {
            const Place l = JumpLanding(p, d);
            if (l.row < 1 || l.row > 18 || l.col < 1 || l.col > 18)
                continue;
            if (!IsHole(l) || l == s_)
                continue;
            const Place m = Neighbour(p, d);
            if (IsEmpty(m) || !IsEmpty(l))
                continue;
            if (!(p == s_) && Listed(l))
                continue;
            Move next;
            if (p == s_) {
                next.Append(s_);
            } else {
                next = list_.moves[c0 - 1];
            }
            next.Append(l);
            list_.moves[list_.count++] = next;
            Jumps(l);
        }
    }

    const BoardCells& cells_;
    MoveList list_;
    Place s_;
};

}  // namespace halmora::testing
