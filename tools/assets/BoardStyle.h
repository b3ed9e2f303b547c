// The board's colours and the layout constants of its three sizes, and a vector drawing of the
// star that the classic board pictures, the start-up logo and the application icon share. The
// hole positions follow the game's own layout so that pictures made here line up with it.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <array>
#include <string_view>

namespace halmora::assets {

inline constexpr int kColourCount = 6;

struct Rgb {
    int r, g, b;
};

// clang-format off
inline constexpr std::array<std::string_view, kColourCount> kColourNames = {
    "Yellow", "Purple", "Blue", "Red", "Orange", "Green",
};
inline constexpr std::array<Rgb, kColourCount> kMarbleRgb = {{
    {255, 241,  15},  // Yellow
    {183,  91, 221},  // Purple
    { 59,  45, 237},  // Blue
    {232,  53,  34},  // Red
    {255, 134,  53},  // Orange
    { 60, 217,  23},  // Green
}};
inline constexpr Rgb kHexagonRgb{225, 199, 149};

// One board size: the board square, the hole grid (origin, gap between holes, hole picture size),
// the marble picture size, the top triangle and the marble cursors by colour.
struct BoardSize {
    int pixels;
    double originX, originY, gapX, gapY;
    int hole;
    int marbleWidth, marbleHeight;
    double apexX, baseY, baseLeft, baseRight;
    std::array<int, kColourCount> cursorIds;
};
inline constexpr std::array<BoardSize, 3> kBoardSizes = {{
    {300, 10.0, 12.0,  9.25,  6.75, 10, 12, 13, 130.5,  75.0,  87.0, 174.0, {139, 142, 144, 143, 141, 140}},
    {400, 14.0, 18.0, 11.25,  8.0,  14, 16, 18, 172.5, 100.0, 115.0, 230.0, {145, 148, 150, 149, 147, 146}},
    {600, 19.0, 22.0, 18.5,  13.5,  20, 25, 26, 259.5, 150.0, 173.0, 346.0, {151, 154, 156, 155, 153, 152}},
}};
// clang-format on

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// True for the 121 holes of the star on the 19 by 19 grid.
bool IsHole(int col, int row);

// Top-left corner of a hole picture inside the board square, as the game places it.
QPoint HoleCorner(const BoardSize& size, int col, int row);
// Centre of the hole picture: where marbles and grid lines meet.
QPointF HoleCentre(const BoardSize& size, int col, int row);
QPointF StarCentre(const BoardSize& size);

// The six star tips, clockwise from the top; tip i is filled with colour i in a full game.
std::array<QPolygonF, kColourCount> StarTriangles(const BoardSize& size);
QPolygonF StarHexagon(const BoardSize& size);
QPolygonF StarOutline(const BoardSize& size);

// The start position of a six-player game: the colour whose marbles fill a hole, or -1.
int StartingColourAt(int col, int row);

struct StarPaint {
    bool gridLines = true;
    bool holes = true;
    double lineWidth = 1.0;
};

// Paints the star board in board-square coordinates of `size`: shaded triangles in the marble
// colours, the hexagon, grid lines through the hole centres and drilled holes.
void PaintStarBoard(QPainter& p, const BoardSize& size, const StarPaint& style);

}  // namespace halmora::assets
