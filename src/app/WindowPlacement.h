// Where the main window and the game information panel go. The window comes back where it was
// left, kept on a screen with its title bar showing; a window that was maximised comes back
// maximised, and leaving that state gives a window of a sensible size rather than one as large
// as the screen. The panel stands beside the star inside the board area and follows the window.
//
// The window's place is kept in Data/Window.ini of the game folder: the settings file's layout
// is fixed, and a place on one desktop means nothing to the files other copies of the game read.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QMainWindow;
class QWidget;

namespace halmora {

class CGameBoard;

// The smallest board area that shows the 300-pixel board whole, with the foot buttons clear of
// the star: at this width the quit and information buttons stay right of its bottom tip.
inline constexpr QSize kMinBoardArea(540, 300);

struct WindowPlacement {
    QRect normal;    // the window's inside, not maximised, in desktop pixels
    QMargins frame;  // the title bar and borders round it, as the desktop drew them
    bool maximised = true;
};

std::optional<WindowPlacement> ReadWindowPlacement();
void WriteWindowPlacement(const WindowPlacement& placement);
// The window's placement as it stands now.
WindowPlacement PlacementOf(const QWidget& window);

// `frame` moved onto `available`, and cut to it where it is larger, though never below
// `minimum`: then its top-left corner, and so the title bar, stays on the screen.
QRect KeepOnScreen(QRect frame, const QRect& available, const QSize& minimum);

// A window of 4/5 of the screen's free area (at least `minimum`), centred on it.
QRect DefaultNormalRect(const QRect& available, const QSize& minimum);

// Shows the window where the placement file puts it, or maximised over the whole screen when
// there is none or it was left maximised. Returns the inside the window takes when it is no
// longer maximised.
QRect ShowPlaced(QMainWindow& window);

// After the window left the maximised state: when the desktop gave it back the whole screen (or
// a place with its title bar off the screen), it takes `normal` instead.
void KeepRestoredWindowSensible(QWidget& window, const QRect& normal);

// Where the information panel's frame goes: right of the star when there is room in the board
// area, else in the area's top-right corner; in both clear of the foot buttons' strip where the
// area is tall enough. `area` and `star` are in desktop pixels.
QPoint PanelPosition(const QRect& area, const QRect& star, const QSize& panel);
// The star's extent in board-area pixels: the board square without the empty strip right of
// the star's tips.
QRect StarRect(const CGameBoard& board);
// Moves the panel to its PanelPosition in the board area `area` showing `board`.
void PlaceBesideStar(QWidget& panel, const QWidget& area, const CGameBoard& board);

}  // namespace halmora
