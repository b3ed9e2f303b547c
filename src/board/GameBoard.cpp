#include "board/GameBoard.h"

namespace halmora {

CGameBoard::CGameBoard() {
    ResetPlaces();
}

void CGameBoard::ResetPlaces() {
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            HoleRecord& h = Hole(col, row);
            h = HoleRecord{};
            h.col = col;
            h.row = row;
        }
    }
    zoneCounts_.fill(0);
}

void CGameBoard::SetUp(const std::array<PlayerColor, kColorCount>& colourAtPosition) {
    ResetPlaces();
    for (int row = 0; row < kGridSize; ++row)
        for (int col = 0; col < kGridSize; ++col)
            Hole(col, row).isHole = IsHolePlace(col, row);
    for (int ring = 8; ring >= 5; --ring) {
        const auto holes = Ring(ring);
        const size_t perTriangle = holes.size() / kColorCount;
        for (size_t i = 0; i < holes.size(); ++i) {
            const PlayerColor c = colourAtPosition[i / perTriangle];
            Hole(holes[i]).zone = c;
        }
    }
    RebuildZoneLists();
}

void CGameBoard::RebuildZoneLists() {
    zoneCounts_.fill(0);
    for (int ring = 8; ring >= 5; --ring) {
        for (const Place p : Ring(ring)) {
            HoleRecord& h = Hole(p);
            if (h.zone < 0 || h.zone >= kColorCount)
                continue;
            int& n = zoneCounts_[h.zone];
            if (n == kTriangleHoles)
                continue;  // a damaged board: keep the lists in bounds
            zones_[h.zone][n] = p;
            h.zoneWeight = ZoneWeightAt(n);
            ++n;
        }
    }
}

void CGameBoard::CopyFrom(const CGameBoard& other) {
    for (int i = 0; i < kPlaceCount; ++i) {
        const int32_t col = holes_[i].col, row = holes_[i].row;
        holes_[i] = other.holes_[i];
        holes_[i].col = col;
        holes_[i].row = row;
    }
    RebuildZoneLists();
}

void CGameBoard::PlaceMarbles(PlayerColor c) {
    for (HoleRecord& h : holes_)
        if (h.isHole && h.zone == c)
            h.occupant = c;
}

void CGameBoard::RemoveMarbles(PlayerColor c) {
    for (HoleRecord& h : holes_)
        if (h.occupant == c)
            h.occupant = kNoColor;
}

void CGameBoard::MoveMarble(Place from, Place to) {
    if (!InsideGrid(from) || !InsideGrid(to))
        return;
    HoleRecord& src = Hole(from);
    HoleRecord& dst = Hole(to);
    if (!src.isHole || !dst.isHole)
        return;
    const uint8_t hidden = src.marbleHidden;
    const int32_t highlight = src.highlight, occupant = src.occupant;
    src.marbleHidden = 0;
    src.highlight = kNoHighlight;
    src.occupant = kNoColor;
    dst.marbleHidden = hidden;
    dst.highlight = highlight;
    dst.occupant = occupant;
}

PlayerColor CGameBoard::TargetColour(PlayerColor c) const {
    const auto tips = Ring(8);
    int i = 0;
    for (int t = 0; t < kColorCount; ++t) {
        if (Hole(tips[t]).zone == c) {
            i = t;
            break;
        }
    }
    return Hole(tips[(i + 3) % kColorCount]).zone;
}

int CGameBoard::CountHome(PlayerColor c) const {
    const PlayerColor target = TargetColour(c);
    if (target < 0 || target >= kColorCount)
        return 0;
    int n = 0;
    for (int i = 0; i < zoneCounts_[target]; ++i)
        if (Hole(zones_[target][i]).occupant == c)
            ++n;
    return n;
}

int CGameBoard::ZoneIndexOf(Place p) const {
    const int32_t zone = Hole(p).zone;
    if (zone < 0 || zone >= kColorCount)
        return -1;
    for (int i = 0; i < zoneCounts_[zone]; ++i)
        if (zones_[zone][i] == p)
            return i;
    return -1;
}

void CGameBoard::Rotate(int direction) {
    for (int ring = 1; ring < kRingCount; ++ring) {
        const auto places = Ring(ring);
        const size_t n = places.size();
        const size_t shift = direction == 0 ? n / 6 : n - n / 6;
        std::array<HoleRecord, 24> before;
        for (size_t i = 0; i < n; ++i)
            before[i] = Hole(places[i]);
        for (size_t i = 0; i < n; ++i) {
            HoleRecord& dst = Hole(places[(i + shift) % n]);
            const HoleRecord& src = before[i];
            // Positions and places belong to the grid, the rest travels with the contents.
            const int32_t x = dst.x, y = dst.y, col = dst.col, row = dst.row;
            dst = src;
            dst.x = x;
            dst.y = y;
            dst.col = col;
            dst.row = row;
        }
    }
    RebuildZoneLists();
}

void CGameBoard::Layout(int width, int height) {
    // clang-format off
    struct Metrics { float rx, ry, qx, qy, px, py; };
    constexpr Metrics kMetrics[3] = {
        //  origin R       gap Q          hole size P
        {10.0f, 12.0f,  9.25f,  6.75f, 10.0f, 10.0f},
        {14.0f, 18.0f, 11.25f,  8.0f,  14.0f, 14.0f},
        {19.0f, 22.0f, 18.5f,  13.5f,  20.0f, 20.0f},
    };
    // clang-format on
    boardSize_ = height >= 600 ? 2 : height >= 400 ? 1 : 0;
    const int pixels = kBoardPixels[boardSize_];
    boardLeft_ = (width - pixels) / 2;
    boardTop_ = (height - pixels) / 2;
    const Metrics& m = kMetrics[boardSize_];
    const float stepX = m.px + m.qx, stepY = m.py + m.qy;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            HoleRecord& h = Hole(col, row);
            float x = m.rx + static_cast<float>(col - 2) * stepX;
            if (row % 2 == 0)
                x += stepX / 2;
            h.x = static_cast<int32_t>(x);
            h.y = static_cast<int32_t>(m.ry + static_cast<float>(row - 1) * stepY);
        }
    }
}

void CGameBoard::WriteHoles(SavedHoles& out) const {
    for (int i = 0; i < kPlaceCount; ++i) {
        const HoleRecord& h = holes_[i];
        out[i] = {h.isHole, h.marbleHidden, h.highlight, h.zone, h.occupant};
    }
}

void CGameBoard::ReadHoles(const SavedHoles& in) {
    for (int i = 0; i < kPlaceCount; ++i) {
        HoleRecord& h = holes_[i];
        h.isHole = in[i].isHole;
        h.marbleHidden = in[i].marbleHidden;
        h.highlight = in[i].highlight;
        h.zone = in[i].zone;
        h.occupant = in[i].occupant;
        h.zoneWeight = 0;
    }
    RebuildZoneLists();
}

}  // namespace halmora
