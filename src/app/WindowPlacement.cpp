#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "board/GameBoard.h"
#include "platform/AppFolder.h"

namespace halmora {
namespace {

constexpr const char* kPlacementFile = "Data/Window.ini";
// Numbers beyond any desktop are not a placement but a damaged file.
constexpr int kFarthest = 1 << 20;

// How far right the star reaches in its board square, by board size: its right-hand tips.
constexpr int kStarWidth[3] = {261, 347, 520};

// The foot buttons' strip at the bottom of the board area, and the gap kept round the panel.
constexpr int kFootStrip = 50;
constexpr int kGap = 10;

QString PlacementPath() {
    return QString::fromStdString(AppFile(kPlacementFile).string());
}

QRect AvailableFor(const QPoint& point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// A coordinate between lo and hi; lo wins when the range is empty.
int Between(int value, int lo, int hi) {
    return std::max(lo, std::min(value, hi));
}

}  // namespace

std::optional<WindowPlacement> ReadWindowPlacement() {
    QSettings file(PlacementPath(), QSettings::IniFormat);
    const char* keys[] = {"x",        "y",          "width",       "height",   "frameLeft",
                          "frameTop", "frameRight", "frameBottom", "maximised"};
    int v[std::size(keys)] = {};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        bool ok = false;
        v[i] = file.value(QStringLiteral("window/") + keys[i]).toInt(&ok);
        if (!ok || v[i] < -kFarthest || v[i] > kFarthest)
            return std::nullopt;
    }
    if (v[2] <= 0 || v[3] <= 0 || std::min({v[4], v[5], v[6], v[7]}) < 0)
        return std::nullopt;
    WindowPlacement placement;
    placement.normal = QRect(v[0], v[1], v[2], v[3]);
    placement.frame = QMargins(v[4], v[5], v[6], v[7]);
    placement.maximised = v[8] != 0;
    return placement;
}

void WriteWindowPlacement(const WindowPlacement& placement) {
    std::error_code ec;
    std::filesystem::create_directories(AppFile(kPlacementFile).parent_path(), ec);
    QSettings file(PlacementPath(), QSettings::IniFormat);
    const QRect& r = placement.normal;
    const QMargins& m = placement.frame;
    const std::pair<const char*, int> values[] = {
        {"x", r.x()},
        {"y", r.y()},
        {"width", r.width()},
        {"height", r.height()},
        {"frameLeft", m.left()},
        {"frameTop", m.top()},
        {"frameRight", m.right()},
        {"frameBottom", m.bottom()},
        {"maximised", placement.maximised ? 1 : 0},
    };
    for (const auto& [key, value] : values)
        file.setValue(QStringLiteral("window/") + key, value);
    file.sync();
}

WindowPlacement PlacementOf(const QWidget& window) {
    WindowPlacement placement;
    placement.maximised = window.isMaximized() || window.isFullScreen();
    placement.normal = window.normalGeometry();
    if (!placement.normal.isValid())
        placement.normal = window.geometry();
    const QRect inside = window.geometry();
    const QRect outside = window.frameGeometry();
    placement.frame = QMargins(std::max(0, inside.left() - outside.left()),
                               std::max(0, inside.top() - outside.top()),
                               std::max(0, outside.right() - inside.right()),
                               std::max(0, outside.bottom() - inside.bottom()));
    return placement;
}

QRect KeepOnScreen(QRect frame, const QRect& available, const QSize& minimum) {
    const int w = std::max(std::min(frame.width(), available.width()), minimum.width());
    const int h = std::max(std::min(frame.height(), available.height()), minimum.height());
    const int x = Between(frame.x(), available.x(), available.x() + available.width() - w);
    const int y = Between(frame.y(), available.y(), available.y() + available.height() - h);
    return {x, y, w, h};
}

QRect DefaultNormalRect(const QRect& available, const QSize& minimum) {
    const QSize size =
        QSize(available.width() * 4 / 5, available.height() * 4 / 5).expandedTo(minimum);
    return KeepOnScreen(
        QRect(available.center() - QPoint(size.width() / 2, size.height() / 2), size), available,
        minimum);
}

QRect ShowPlaced(QMainWindow& window) {
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    const std::optional<WindowPlacement> saved = ReadWindowPlacement();
    QRect normal;
    QRect available;
    if (saved) {
        const QRect frame = saved->normal.marginsAdded(saved->frame);
        available = AvailableFor(frame.center());
        const QRect kept = KeepOnScreen(frame, available, minimum.grownBy(saved->frame));
        normal = kept.marginsRemoved(saved->frame);
        // A maximised window that was never anything else has the whole screen as its normal
        // place (it was put there first, for want of a window manager): not worth keeping.
        if (saved->maximised && kept.size() == available.size())
            normal = DefaultNormalRect(available, minimum);
    } else {
        const QScreen* screen = QGuiApplication::primaryScreen();
        available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        normal = DefaultNormalRect(available, minimum);
    }
    if (saved && !saved->maximised) {
        window.setGeometry(normal);
        window.show();
    } else {
        // The whole screen first: without a window manager there is nobody to maximise it.
        window.setGeometry(available);
        window.showMaximized();
    }
    return normal;
}

void KeepRestoredWindowSensible(QWidget& window, const QRect& normal) {
    if (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
        return;
    const QRect outside = window.frameGeometry();
    const QRect available = AvailableFor(outside.center());
    const bool screenSized =
        outside.width() >= available.width() && outside.height() >= available.height();
    const bool titleOff = outside.top() < available.top();
    if (!screenSized && !titleOff)
        return;
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    window.setGeometry(normal.isValid() ? normal : DefaultNormalRect(available, minimum));
}

QPoint PanelPosition(const QRect& area, const QRect& star, const QSize& panel) {
    const int areaRight = area.x() + area.width();
    const int starRight = star.x() + star.width();
    int x = areaRight - kGap - panel.width();
    if (areaRight - starRight >= panel.width() + 2 * kGap)
        x = starRight + kGap;
    x = std::max(x, area.x());
    // Level with the star's top, above the foot buttons where the area is tall enough.
    const int lowest = area.y() + area.height() - kFootStrip - kGap - panel.height();
    const int y = Between(std::min(std::max(area.y() + kGap, star.y()), lowest), area.y(),
                          area.y() + area.height());
    return {x, y};
}

QRect StarRect(const CGameBoard& board) {
    return {board.BoardLeft(), board.BoardTop(), kStarWidth[board.BoardSize()],
            board.BoardPixels()};
}

void PlaceBesideStar(QWidget& panel, const QWidget& area, const CGameBoard& board) {
    const QRect global(area.mapToGlobal(QPoint(0, 0)), area.size());
    const QRect star = StarRect(board).translated(global.topLeft());
    panel.move(PanelPosition(global, star, panel.frameGeometry().size()));
}

}  // namespace halmora
