#include "view/MoveMarks.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

#include "view/BoardRenderer.h"

namespace halmora {
namespace {

constexpr QRgb kOutline = qRgb(0, 0, 0);
constexpr QRgb kMarkRim = qRgb(255, 255, 255);
constexpr QRgb kShine = qRgb(255, 255, 255);

// The turn marble: an arrow as the information panel's, then the marble.
constexpr QRect kTurnArea(8, 8, 44, 26);
constexpr QRect kTurnMarble(26, 9, 24, 24);

}  // namespace

void DrawLastMoveMarks(QImage& image, const CGameBoard& board, PixelSize hole, PixelSize marble,
                       const QRect& area) {
    // Half the hole across: clear of the hole's rim, and small beside a marble.
    const int d = std::max(4, hole.width / 2 + 1);
    QPainter dc;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const Place p{col, row};
            const HoleRecord& h = board.Hole(p);
            if (!h.isHole || h.lastMove < 0 || h.lastMove >= kColorCount)
                continue;
            const int x = board.ScreenX(p), y = board.ScreenY(p);
            const QRect reach(x - (marble.width - hole.width) / 2,
                              y - (marble.height - hole.height) / 2, marble.width, marble.height);
            const bool meets =
                reach.x() <= area.x() + area.width() && area.x() <= reach.x() + reach.width() &&
                reach.y() <= area.y() + area.height() && area.y() <= reach.y() + reach.height();
            if (!meets)
                continue;
            if (!dc.isActive()) {
                dc.begin(&image);
                dc.setRenderHint(QPainter::Antialiasing, false);
                dc.setPen(QPen(QColor::fromRgb(kMarkRim), 1));
            }
            dc.setBrush(QColor::fromRgb(CBoardRenderer::MarbleColour(h.lastMove)));
            const int cx = x + hole.width / 2, cy = y + hole.height / 2;
            // The pen runs outside the rectangle's right and bottom edges by one pixel.
            dc.drawEllipse(QRect(cx - d / 2, cy - d / 2, d - 1, d - 1));
        }
    }
}

QRect TurnMarbleRect() {
    return kTurnArea;
}

void DrawTurnMarble(QPainter& dc, PlayerColor colour) {
    if (colour < 0 || colour >= kColorCount)
        return;
    const QColor fill = QColor::fromRgb(CBoardRenderer::MarbleColour(colour));
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, true);
    dc.setPen(QPen(QColor::fromRgb(kOutline), 1.5));
    dc.setBrush(fill);
    const int top = kTurnArea.y() + 5;
    dc.drawPolygon(QPolygon({QPoint(10, top), QPoint(20, top + 8), QPoint(10, top + 16)}));
    dc.drawEllipse(QRectF(kTurnMarble).adjusted(0.75, 0.75, -0.75, -0.75));
    dc.setPen(Qt::NoPen);
    dc.setBrush(QColor::fromRgb(kShine));
    dc.drawEllipse(QRectF(kTurnMarble.x() + 6, kTurnMarble.y() + 5, 6, 4));
    dc.restore();
}

}  // namespace halmora
