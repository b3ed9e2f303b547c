#include "game/MoveAnimator.h"

#include <cmath>
#include <cstdlib>

#include "platform/Rounding.h"
#include "platform/TickCount.h"

namespace halmora {

void InterpolatePoint(int x0, int y0, int x1, int y1, float speed, uint32_t elapsedMs, int& x,
                      int& y) {
    const int dx = x1 - x0, dy = y1 - y0;
    const double dist = std::sqrt(static_cast<double>(dx * dx + dy * dy));
    float ux = 1, uy = 1;
    if (dist != 0) {
        ux = static_cast<float>(std::abs(dx) / dist);
        uy = static_cast<float>(std::abs(dy) / dist);
    }
    const float d = static_cast<float>(elapsedMs) * speed;
    const int32_t alongX = RoundByRule(d * ux);
    const int32_t alongY = RoundByRule(d * uy);

    x = x0;
    y = y0;
    if (dx != 0)
        x = dx > 0 ? x0 + alongX : x0 - alongX;
    if (dy != 0)
        y = dy > 0 ? y0 + alongY : y0 - alongY;
    // Either axis having gone its whole way ends the segment, so the marble never overshoots.
    if ((dx != 0 && alongX >= std::abs(dx)) || (dy != 0 && alongY >= std::abs(dy))) {
        x = x1;
        y = y1;
    }
}

void CMoveAnimator::Start(CBoardCanvas& canvas, const Move& path, CGameBoard& board, float speed) {
    running_ = false;
    if (path.count < 1)
        return;  // nothing to show, and nothing to hide
    path_ = path;
    segment_ = 0;
    speed_ = speed;
    segmentStart_ = TickCount();
    running_ = true;

    // The model keeps the marble on its start hole until the end; only the drawing loses it.
    const Place start = path_.Start();
    board.Hole(start).marbleHidden = 1;
    canvas.DrawCell(start);
    x_ = board.ScreenX(start);
    y_ = board.ScreenY(start);
}

bool CMoveAnimator::Step(CBoardCanvas& canvas, CGameBoard& board) {
    // An idle animator has nothing to finish; making the move again would wipe the marble that
    // now stands on the last hole.
    if (!running_)
        return true;

    const Place start = path_.Start();
    if (segment_ + 1 < path_.count) {
        const Place from = path_.places[segment_];
        const Place to = path_.places[segment_ + 1];
        const int toX = board.ScreenX(to), toY = board.ScreenY(to);
        const uint32_t now = TickCount();
        int px = 0, py = 0;
        InterpolatePoint(board.ScreenX(from), board.ScreenY(from), toX, toY, speed_,
                         now - segmentStart_, px, py);
        if (px == toX && py == toY) {
            // The remembered point stays the last one drawn. A frame on the landing point ends
            // its segment at once, so that point was never drawn before and the landing frame is
            // always drawn; and it erases exactly the previous image, whichever way the marble
            // was moving.
            segmentStart_ = now;
            ++segment_;
        }
        if (px == x_ && py == y_)
            return false;

        const PixelSize marble = canvas.MarbleSize();
        const PixelSize hole = canvas.HoleSize();
        const int ox = (marble.width - hole.width) / 2;
        const int oy = (marble.height - hole.height) / 2;
        canvas.RedrawRegion(x_ - ox, y_ - oy, marble.width, marble.height);
        canvas.DrawMarbleAt(px - ox, py - oy, board.Hole(start).occupant);
        x_ = px;
        y_ = py;
        return false;
    }

    const Place last = path_.End();
    board.Hole(start).marbleHidden = 0;
    board.MoveMarble(start, last);
    canvas.DrawCell(start);
    canvas.DrawCell(last);
    running_ = false;
    return true;
}

}  // namespace halmora
