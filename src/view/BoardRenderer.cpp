#include "view/BoardRenderer.h"

#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <string>

#include "board/BoardGeometry.h"
#include "platform/AppFolder.h"
#include "platform/Rounding.h"
#include "view/DensePictures.h"
#include "view/MoveMarks.h"

namespace halmora {
namespace {

// clang-format off
struct StarShape {
    QPointF apex, baseLeft, baseRight;
    QPoint hexagon[6];  // clockwise from top left
    QPoint lineOffset;
};
constexpr StarShape kStar[3] = {
    {{130.5, 0}, { 87,  75}, {174,  75},
     {{ 87,  75}, {174,  75}, {218, 150}, {174, 225}, { 87, 225}, {43, 150}}, { 5, 5}},
    {{172.5, 0}, {115, 100}, {230, 100},
     {{115, 100}, {230, 100}, {288, 200}, {230, 300}, {115, 300}, {57, 200}}, { 6, 6}},
    {{259.5, 0}, {173, 150}, {346, 150},
     {{173, 150}, {346, 150}, {433, 300}, {346, 450}, {173, 450}, {86, 300}}, {10, 8}},
};

// Marble colours by PlayerColor: Yellow, Purple, Blue, Red, Orange, Green.
constexpr QRgb kMarbleRgb[kColorCount] = {
    qRgb(255, 241,  15), qRgb(183,  91, 221), qRgb( 59,  45, 237),
    qRgb(232,  53,  34), qRgb(255, 134,  53), qRgb( 60, 217,  23),
};
constexpr QRgb kHexagonRgb = qRgb(225, 199, 149);

// The star's tips clockwise from the top: triangle i takes the zone colour of tip i.
constexpr Place kTips[kColorCount] = {{8, 1}, {14, 5}, {14, 13}, {8, 17}, {2, 13}, {2, 5}};

struct Segment { Place from, to; };
constexpr Segment kGridLines[] = {
    // Upward triangle, down-left from its right edge.
    {{8, 1}, {2, 13}},  {{8, 2}, {3, 13}},   {{9, 3}, {4, 13}},   {{9, 4}, {5, 13}},
    {{10, 5}, {6, 13}}, {{10, 6}, {7, 13}},  {{11, 7}, {8, 13}},  {{11, 8}, {9, 13}},
    {{12, 9}, {10, 13}}, {{12, 10}, {11, 13}}, {{13, 11}, {12, 13}}, {{13, 12}, {13, 13}},
    // Upward triangle, down-right from its left edge.
    {{8, 1}, {14, 13}}, {{7, 2}, {13, 13}},  {{7, 3}, {12, 13}},  {{6, 4}, {11, 13}},
    {{6, 5}, {10, 13}}, {{5, 6}, {9, 13}},   {{5, 7}, {8, 13}},   {{4, 8}, {7, 13}},
    {{4, 9}, {6, 13}},  {{3, 10}, {5, 13}},  {{3, 11}, {4, 13}},  {{2, 12}, {3, 13}},
    // Downward triangle, down-right from row 5.
    {{2, 5}, {8, 17}},  {{3, 5}, {8, 16}},   {{4, 5}, {9, 15}},   {{5, 5}, {9, 14}},
    {{6, 5}, {10, 13}}, {{7, 5}, {10, 12}},  {{8, 5}, {11, 11}},  {{9, 5}, {11, 10}},
    {{10, 5}, {12, 9}}, {{11, 5}, {12, 8}},  {{12, 5}, {13, 7}},  {{13, 5}, {13, 6}},
    // Downward triangle, down-left from row 5.
    {{14, 5}, {8, 17}}, {{13, 5}, {7, 16}},  {{12, 5}, {7, 15}},  {{11, 5}, {6, 14}},
    {{10, 5}, {6, 13}}, {{9, 5}, {5, 12}},   {{8, 5}, {5, 11}},   {{7, 5}, {4, 10}},
    {{6, 5}, {4, 9}},   {{5, 5}, {3, 8}},    {{4, 5}, {3, 7}},    {{3, 5}, {2, 6}},
};
// clang-format on

QColor FromRgb(Rgb colour) {
    return QColor::fromRgb(static_cast<QRgb>(colour) | 0xFF000000u);
}

bool IsColour(PlayerColor c) {
    return c >= 0 && c < kColorCount;
}

std::string GraphicsPath(const std::string& name) {
    return AppFile("Graphics/" + name).string();
}

// Point p turned by angle a about centre c, clockwise on the screen for positive a.
QPoint TurnedAndRounded(QPointF p, QPointF c, double a) {
    const double x = c.x() + (p.x() - c.x()) * std::cos(a) - (p.y() - c.y()) * std::sin(a);
    const double y = c.y() + (p.x() - c.x()) * std::sin(a) + (p.y() - c.y()) * std::cos(a);
    return {RoundByRule(x), RoundByRule(y)};
}

}  // namespace

void CBoardRenderer::Resize(int width, int height) {
    if (board_ != nullptr)
        board_->Layout(width, height);
    area_ = QSize(std::max(width, 0), std::max(height, 0));
    image_ = QImage(area_ * density_, QImage::Format_RGB32);
    image_.setDevicePixelRatio(density_);
    image_.fill(background_);
    const int size = board_ != nullptr ? board_->BoardSize() : 0;
    if (size != loadedSize_ || density_ != loadedDensity_)
        LoadGraphics(size);
}

void CBoardRenderer::LoadGraphics(int boardSize) {
    const std::string number = std::to_string(CGameBoard::kBoardPixels[boardSize]) + " ";
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        const std::string marble = number + std::string(ColourName(c)) + " Marble";
        marbles_[c].Load(GraphicsPath(marble + ".bmp"), GraphicsPath(marble + " Mask.bmp"));
    }
    hole_.Load(GraphicsPath(number + "Marble Hole.bmp"),
               GraphicsPath(number + "Marble Hole Mask.bmp"));
    for (PlayerColor c = 0; c < kColorCount; ++c)
        marbleSprites_[c].Take(marbles_[c]);
    denseHole_ = QImage();
    if (density_ > 1)
        LoadDenseGraphics(number);
    // The composed board of the old size would be laid at the new offsets: drop it.
    composed_.Clear();
    composedFrom_.clear();
    loadedSize_ = boardSize;
    loadedDensity_ = density_;
}

void CBoardRenderer::LoadDenseGraphics(const std::string& sizeNumber) {
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        const CTransparentSurface& plain = marbles_[c];
        const QImage dense =
            DensePicture(GraphicsPath(sizeNumber + std::string(ColourName(c)) + " Marble"),
                         QSize(plain.ImageWidth(), plain.ImageHeight()), density_);
        if (dense.isNull())
            marbleSprites_[c].Clear();
        else
            marbleSprites_[c].TakePicture(dense);
    }
    QImage hole = DensePicture(GraphicsPath(sizeNumber + "Marble Hole"),
                               QSize(hole_.ImageWidth(), hole_.ImageHeight()), density_);
    if (hole.isNull())
        return;
    hole.setDevicePixelRatio(density_);
    denseHole_ = SoftOutline(hole);
}

namespace {

// The six triangles in their zones' colours, then the hexagon.
void DrawStarShapes(QPainter& dc, const CGameBoard& board) {
    const StarShape& shape = kStar[board.BoardSize()];
    const QPointF centre(1.5 * shape.baseLeft.x(), 2.0 * shape.baseLeft.y());
    dc.setPen(Qt::NoPen);
    for (int i = 0; i < kColorCount; ++i) {
        const PlayerColor zone = board.Hole(kTips[i]).zone;
        if (!IsColour(zone))
            continue;
        const double angle = i * std::numbers::pi / 3.0;
        const QPoint corners[3] = {TurnedAndRounded(shape.apex, centre, angle),
                                   TurnedAndRounded(shape.baseLeft, centre, angle),
                                   TurnedAndRounded(shape.baseRight, centre, angle)};
        dc.setBrush(QColor::fromRgb(kMarbleRgb[zone]));
        dc.drawPolygon(corners, 3);
    }
    dc.setBrush(QColor::fromRgb(kHexagonRgb));
    dc.drawPolygon(shape.hexagon, 6);
}

// Calls line(from, to) for every grid line: the listed segments, then each row from its first
// hole to its last, at the holes' corners moved by the size's line offset.
template <typename Line>
void ForEachGridLine(const CGameBoard& board, Line line) {
    const QPoint offset = kStar[board.BoardSize()].lineOffset;
    for (const Segment& s : kGridLines) {
        const HoleRecord& a = board.Hole(s.from);
        const HoleRecord& b = board.Hole(s.to);
        line(QPoint(a.x, a.y) + offset, QPoint(b.x, b.y) + offset);
    }
    for (int row = 2; row <= 16; ++row) {
        int first = -1, last = -1;
        for (int col = 0; col < kGridSize; ++col) {
            if (!board.Hole(col, row).isHole)
                continue;
            if (first < 0)
                first = col;
            last = col;
        }
        if (first < 0)
            continue;
        const HoleRecord& a = board.Hole(first, row);
        const HoleRecord& b = board.Hole(last, row);
        line(QPoint(a.x, a.y) + offset, QPoint(b.x, b.y) + offset);
    }
}

// The star at `density` image pixels per board pixel, smooth inside: triangle and hexagon edges,
// grid lines and hole rims antialiased. Its outline is drawn first, hard as the plain drawing
// has it, and everything after only where it lies (source-atop keeps the layer's coverage), so
// that the composed board's one-bit mask cuts the star without a fringe of the ground.
QImage SmoothStar(const CGameBoard& board, int density, const QImage& hole) {
    const int pixels = board.BoardPixels() * density;
    QImage star(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    star.fill(Qt::transparent);
    star.setDevicePixelRatio(density);
    QPainter dc(&star);
    dc.setRenderHint(QPainter::Antialiasing, false);
    DrawStarShapes(dc, board);
    dc.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    dc.setRenderHint(QPainter::Antialiasing, true);
    DrawStarShapes(dc, board);
    // A one-pixel line of the plain drawing covers the pixels right of and below its points.
    const QPointF middle(0.5, 0.5);
    dc.setPen(QPen(Qt::black, 1.0));
    ForEachGridLine(board, [&dc, middle](QPoint a, QPoint b) {
        dc.drawLine(QPointF(a) + middle, QPointF(b) + middle);
    });
    if (!hole.isNull()) {
        for (int row = 0; row < kGridSize; ++row)
            for (int col = 0; col < kGridSize; ++col)
                if (board.Hole(col, row).isHole)
                    dc.drawImage(QPointF(board.Hole(col, row).x, board.Hole(col, row).y), hole);
    }
    dc.end();
    star.setDevicePixelRatio(1);
    return star;
}

}  // namespace

void CBoardRenderer::DrawStar(QPainter& dc, const CGameBoard& board,
                              const CTransparentSurface& hole) {
    dc.setRenderHint(QPainter::Antialiasing, false);
    DrawStarShapes(dc, board);
    dc.setPen(QPen(Qt::black, 1));
    ForEachGridLine(board, [&dc](QPoint a, QPoint b) { dc.drawLine(a, b); });
    for (int row = 0; row < kGridSize; ++row)
        for (int col = 0; col < kGridSize; ++col)
            if (board.Hole(col, row).isHole)
                hole.Draw(dc, board.Hole(col, row).x, board.Hole(col, row).y);
}

QRgb CBoardRenderer::MarbleColour(PlayerColor colour) {
    return IsColour(colour) ? kMarbleRgb[colour] : qRgb(0, 0, 0);
}

void CBoardRenderer::UpdateComposedBoard() {
    std::vector<int> from;
    from.reserve(1 + kColorCount + 3 * kGridSize * kGridSize);
    from.push_back(board_->BoardSize());
    for (const Place tip : kTips)
        from.push_back(board_->Hole(tip).zone);
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const HoleRecord& h = board_->Hole(col, row);
            from.insert(from.end(), {h.isHole, h.x, h.y});
        }
    }
    if (from == composedFrom_)
        return;
    const int pixels = board_->BoardPixels();
    if (density_ == 1) {
        composed_.ComposeFromDrawing(pixels, pixels,
                                     [this](QPainter& p) { DrawStar(p, *board_, hole_); });
    } else {
        const QImage star = SmoothStar(*board_, density_, denseHole_);
        composed_.ComposeFromDrawing(pixels * density_, pixels * density_,
                                     [&star](QPainter& p) { p.drawImage(0, 0, star); });
    }
    composedFrom_ = std::move(from);
}

void CBoardRenderer::Paint() {
    if (image_.isNull())
        return;
    // Composed first, so that the whole image comes from the board as it is now.
    if (board_ != nullptr)
        UpdateComposedBoard();
    const QRect whole(QPoint(0, 0), area_);
    Restore(whole);
    if (board_ != nullptr) {
        for (int row = 0; row < kGridSize; ++row)
            for (int col = 0; col < kGridSize; ++col)
                DrawMarble({col, row});
        DrawLastMoveMarks(image_, *board_, HoleSize(), MarbleSize(), whole);
    }
    Changed(whole);
}

QRect CBoardRenderer::MarbleRect(Place p) const {
    const PixelSize marble = MarbleSize();
    const PixelSize hole = HoleSize();
    const int x = board_->ScreenX(p) - (marble.width - hole.width) / 2;
    const int y = board_->ScreenY(p) - (marble.height - hole.height) / 2;
    return {x, y, marble.width, marble.height};
}

void CBoardRenderer::Restore(const QRect& area) {
    FillBackground(area);
    if (board_ == nullptr)
        return;
    const QRect pixels = ToImage(area);
    composed_.DrawPart(image_, pixels.x() - board_->BoardLeft() * density_,
                       pixels.y() - board_->BoardTop() * density_, pixels.width(), pixels.height(),
                       pixels.x(), pixels.y());
}

const QImage& CBoardRenderer::BackgroundPicture() {
    if (density_ == 1 || backgroundImage_.isNull())
        return backgroundImage_;
    if (denseBackgroundKey_ != backgroundImage_.cacheKey() ||
        denseBackground_.size() != backgroundImage_.size() * density_) {
        denseBackground_ = backgroundImage_
                               .scaled(backgroundImage_.size() * density_, Qt::IgnoreAspectRatio,
                                       Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
        denseBackgroundKey_ = backgroundImage_.cacheKey();
    }
    return denseBackground_;
}

void CBoardRenderer::FillBackground(const QRect& area) {
    const QRect inside = ToImage(area).intersected(image_.rect());
    if (inside.isEmpty())
        return;
    const qsizetype stride = image_.bytesPerLine();
    if (backgroundImage_.isNull() && background_.isValid() && background_.alpha() == 255) {
        if (fillColour_ != background_) {
            QImage one(1, 1, QImage::Format_RGB32);
            one.fill(0xFF000000);
            QPainter dc(&one);
            dc.fillRect(0, 0, 1, 1, background_);
            dc.end();
            fillPixel_ = *reinterpret_cast<const QRgb*>(one.constBits());
            fillColour_ = background_;
        }
        uchar* bits = image_.bits();
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(bits + y * stride) + inside.x();
            std::fill_n(line, inside.width(), fillPixel_);
        }
        return;
    }
    const QImage& picture = BackgroundPicture();
    if (picture.format() == QImage::Format_RGB32) {
        // The picture's pixels at the same place; where it does not reach the image stays.
        const QRect covered = inside.intersected(picture.rect());
        uchar* bits = image_.bits();
        for (int y = covered.top(); y <= covered.bottom(); ++y)
            std::memcpy(bits + y * stride + covered.x() * 4,
                        picture.constScanLine(y) + covered.x() * 4,
                        static_cast<size_t>(covered.width()) * 4);
        return;
    }
    // A see-through colour or a picture of another format blends: leave that to the painter,
    // which works in board pixels.
    QPainter dc(&image_);
    if (backgroundImage_.isNull())
        dc.fillRect(area, background_);
    else
        dc.drawImage(area.topLeft(), backgroundImage_, area);
}

void CBoardRenderer::DrawMarble(Place p) {
    const HoleRecord& h = board_->Hole(p);
    if (!h.isHole || h.marbleHidden || !IsColour(h.occupant))
        return;
    const CTransparentSurface& marble = marbles_[h.occupant];
    const int x = board_->ScreenX(p) - (marble.ImageWidth() - hole_.ImageWidth()) / 2;
    const int y = board_->ScreenY(p) - (marble.ImageHeight() - hole_.ImageHeight()) / 2;
    marbleSprites_[h.occupant].Draw(image_, x * density_, y * density_);
}

void CBoardRenderer::Changed(const QRect& area) const {
    if (changed_)
        changed_(area.intersected(QRect(QPoint(0, 0), area_)));
}

void CBoardRenderer::DrawCell(Place p) {
    if (board_ == nullptr || image_.isNull() || !InsideGrid(p))
        return;
    const QRect area = MarbleRect(p);
    Restore(area);
    DrawMarble(p);
    DrawLastMoveMarks(image_, *board_, HoleSize(), MarbleSize(), area);
    Changed(area);
}

void CBoardRenderer::DrawHoleDisc(Rgb colour, Place p) {
    if (board_ == nullptr || image_.isNull() || !InsideGrid(p))
        return;
    const QRect area = MarbleRect(p);
    Restore(area);
    QPainter dc(&image_);
    // Image pixels finer than the board's show the disc smooth.
    dc.setRenderHint(QPainter::Antialiasing, density_ > 1);
    const PixelSize hole = HoleSize();
    dc.setPen(Qt::NoPen);
    dc.setBrush(FromRgb(colour));
    dc.drawEllipse(QRect(board_->ScreenX(p), board_->ScreenY(p), hole.width, hole.height));
    dc.end();
    Changed(area);
}

void CBoardRenderer::DrawMarbleRing(Rgb colour, Place p, int penWidth) {
    if (board_ == nullptr || image_.isNull() || !InsideGrid(p))
        return;
    const QRect marble = MarbleRect(p);
    // Bounded by the marble rectangle with its left and top edges moved 2 pixels in. The pen
    // runs inside that bound, and nothing is drawn outside the marble rectangle: DrawCell
    // restores only that rectangle, and anything beyond it would stay on the board.
    const QRectF bounds(marble.left() + 2, marble.top() + 2, marble.width() - 2,
                        marble.height() - 2);
    const qreal half = penWidth / 2.0;
    QPainter dc(&image_);
    dc.setRenderHint(QPainter::Antialiasing, density_ > 1);
    dc.setClipRect(marble);
    dc.setPen(QPen(FromRgb(colour), penWidth));
    dc.setBrush(Qt::NoBrush);
    dc.drawEllipse(bounds.adjusted(half, half, -half, -half));
    dc.end();
    Changed(marble);
}

void CBoardRenderer::RedrawRegion(int x, int y, int width, int height) {
    if (image_.isNull())
        return;
    const QRect area(x, y, width, height);
    QRect changed = area;
    Restore(area);
    if (board_ != nullptr) {
        for (int row = 0; row < kGridSize; ++row) {
            for (int col = 0; col < kGridSize; ++col) {
                const HoleRecord& h = board_->Hole(col, row);
                if (!h.isHole || h.marbleHidden || !IsColour(h.occupant))
                    continue;
                const QRect m = MarbleRect({col, row});
                // Edges count: a marble that only touches the rectangle is redrawn as well.
                const bool overlaps = m.x() <= x + width && x <= m.x() + m.width() &&
                                      m.y() <= y + height && y <= m.y() + m.height();
                if (!overlaps)
                    continue;
                DrawMarble({col, row});
                changed |= m;
            }
        }
        DrawLastMoveMarks(image_, *board_, HoleSize(), MarbleSize(), area);
    }
    Changed(changed);
}

void CBoardRenderer::DrawMarbleAt(int x, int y, PlayerColor colour) {
    if (image_.isNull() || !IsColour(colour))
        return;
    const CTransparentSurface& marble = marbles_[colour];
    marbleSprites_[colour].Draw(image_, x * density_, y * density_);
    Changed(QRect(x, y, marble.ImageWidth(), marble.ImageHeight()));
}

void CBoardRenderer::ClearHoverHighlights() {
    if (board_ == nullptr)
        return;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            HoleRecord& h = board_->Hole(col, row);
            if (h.highlight != kHighlightPossible && h.highlight != kHighlightImpossible)
                continue;
            h.highlight = kNoHighlight;
            DrawCell({col, row});
        }
    }
}

bool CBoardRenderer::HitTest(int x, int y, Place& hole) {
    if (board_ == nullptr)
        return false;
    const PixelSize marble = MarbleSize();
    const int mw = marble.width / 2, mh = marble.height / 2;
    const int rm = static_cast<int>(std::sqrt(static_cast<double>(mw * mw + mh * mh)));
    // The hole size P of the layout: 10, 14 or 20 pixels square.
    constexpr int kHolePixels[3] = {10, 14, 20};
    const int pw = kHolePixels[board_->BoardSize()], ph = pw;
    const int rh =
        static_cast<int>(std::sqrt(static_cast<double>((pw / 2) * (pw / 2) + (ph / 2) * (ph / 2))));
    const int reach = rm + rh;
    // The marble cursor's hot spot is its top-left corner; aim with the marble's centre.
    const int testX = x + mw, testY = y + mh;
    int best = 0;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            if (!board_->Hole(col, row).isHole)
                continue;
            const Place p{col, row};
            const int dx = std::abs(testX - (board_->ScreenX(p) + pw / 2));
            const int dy = std::abs(testY - (board_->ScreenY(p) + ph / 2));
            const int d = static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
            // Strictly better only: on equal scores the first hole found stays.
            if (reach > d && reach - d > best) {
                best = reach - d;
                hole = p;
            }
        }
    }
    return best > 0;
}

// The cursor belongs to the widget that shows the board; see CGameCanvas.
void CBoardRenderer::SetCursor(CursorKind, PlayerColor) {}

PixelSize CBoardRenderer::MarbleSize() const {
    const CTransparentSurface& red = marbles_[3];
    return {red.ImageWidth(), red.ImageHeight()};
}

PixelSize CBoardRenderer::HoleSize() const {
    return {hole_.ImageWidth(), hole_.ImageHeight()};
}

void CBoardRenderer::SetDevicePixelRatio(double ratio) {
    ratio_ = ratio;
    density_ = DensityForRatio(ratio);
}

void CBoardRenderer::PaintOn(QPainter& dc, const QRect& area) const {
    if (image_.isNull())
        return;
    if (std::abs(ratio_ - density_) < 1e-6) {
        dc.drawImage(QRectF(area), image_, QRectF(ToImage(area)));
        return;
    }
    // Shrink the whole image under a clip, so that parts painted at different times meet
    // without seams.
    dc.save();
    dc.setClipRect(area, Qt::IntersectClip);
    dc.setRenderHint(QPainter::SmoothPixmapTransform, true);
    dc.drawImage(QRectF(QPointF(0, 0), QSizeF(area_)), image_);
    dc.restore();
}

}  // namespace halmora
