#include "app/GameCursors.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QString>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "platform/AppFolder.h"
#include "view/DensePictures.h"

namespace halmora {
namespace {

constexpr int kHandCursorId = 129;
// Marble cursor resources by board size, then by colour.
constexpr int kMarbleCursorIds[3][kColorCount] = {
    {139, 142, 144, 143, 141, 140},
    {145, 148, 150, 149, 147, 146},
    {151, 154, 156, 155, 153, 152},
};

struct HotSpot {
    int x = 0;
    int y = 0;
};

std::map<std::string, HotSpot> ReadHotSpots() {
    std::map<std::string, HotSpot> spots;
    std::ifstream in(AppFile("Resources/cursors.txt"));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name;
        HotSpot spot;
        if (fields >> name >> spot.x >> spot.y)
            spots[name] = spot;
    }
    return spots;
}

bool LoadCursor(int id, const std::map<std::string, HotSpot>& spots, QCursor& cursor) {
    const std::string name = "cursor-" + std::to_string(id) + ".png";
    QPixmap picture;
    if (!picture.load(QString::fromStdString(AppFile("Resources/" + name).string())))
        return false;
    const auto spot = spots.find(name);
    HotSpot hot = spot == spots.end() ? HotSpot{} : spot->second;
    // A denser screen shows the cursor from its twice dense picture at the screen's ratio, so
    // that it keeps its size beside the board.
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap dense;
    if (ratio > 1 &&
        dense.load(QString::fromStdString(AtDensity(AppFile("Resources/" + name).string(), 2))) &&
        dense.size() == picture.size() * 2) {
        picture = ratio == 2 ? dense
                             : dense.scaled((QSizeF(picture.size()) * ratio).toSize(),
                                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
        // Qt's X11 cursors take the hot spot in the picture's own pixels.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            hot = {static_cast<int>(std::lround(hot.x * ratio)),
                   static_cast<int>(std::lround(hot.y * ratio))};
    }
    cursor = QCursor(picture, hot.x, hot.y);
    return true;
}

}  // namespace

void CGameCursors::Load() {
    const auto spots = ReadHotSpots();
    if (!LoadCursor(kHandCursorId, spots, hand_))
        hand_ = QCursor(Qt::PointingHandCursor);
    for (int size = 0; size < 3; ++size) {
        for (int c = 0; c < kColorCount; ++c) {
            if (!LoadCursor(kMarbleCursorIds[size][c], spots, marbles_[size][c]))
                marbles_[size][c] = QCursor(Qt::ClosedHandCursor);
        }
    }
}

const QCursor& CGameCursors::Marble(int boardSize, PlayerColor colour) const {
    static const QCursor fallback(Qt::ClosedHandCursor);
    if (boardSize < 0 || boardSize > 2 || colour < 0 || colour >= kColorCount)
        return fallback;
    return marbles_[boardSize][colour];
}

}  // namespace halmora
