// The floating window that lists the players during a game: each name in its seat's colour, the
// time left beside a small clock when the game runs with clocks, and below it the marbles home or
// the finishing place; an arrow marks the player to move. The game feeds it through its host; the
// panel keeps only what it shows. It paints from its own picture, so a clock tick redraws just the
// current player's time. The picture has the screen's device pixel ratio, so that text and clock
// are drawn at the screen's density.
//
// A tool window over its owner. Whoever creates it deletes it, before the owner goes.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string>

#include "board/Place.h"
#include "platform/TextEncoding.h"
#include "view/TextPainter.h"
#include "view/TransparentSurface.h"

namespace halmora {

class CGameInfoPanel : public QWidget {
public:
    // Loads the clock picture from the application folder; a missing one is reported and the
    // panel works without it.
    explicit CGameInfoPanel(QWidget* owner = nullptr);

    void SetClocksShown(bool shown);
    // Appends a row for a playing seat, in turn order; the window's height follows the row count.
    void AddRow(PlayerColor colour, const GbkName& name, uint32_t remainingMs);
    // Shows the window again after it was closed.
    void Show();
    // Title and texts anew, in the language chosen since.
    void Retranslate();
    // Hides the window, as its close box does.
    void Close();

    // Marks the player to move and redraws the whole panel.
    void SetCurrent(PlayerColor colour);
    // Stores a clock; when it changed, redraws the time of the current player's row only.
    void SetClock(PlayerColor colour, uint32_t remainingMs);
    // Stored for the next SetCurrent, which shows them.
    void SetPlace(PlayerColor colour, int place);
    void SetMarblesHome(PlayerColor colour, int count);

    PlayerColor Current() const { return current_; }
    int RowCount() const { return rowCount_; }
    // True once shown, false once closed, whether or not the window system shows it right now.
    bool IsShown() const { return visible_; }

    // "(m:ss)", minutes unpadded, seconds cut rather than rounded.
    static std::string TimeText(uint32_t remainingMs);
    static std::string PlaceText(int place);
    static std::string MarblesHomeText(int count);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static bool IsColour(PlayerColor colour) { return colour >= 0 && colour < kColorCount; }
    void FitHeight();
    void Render();
    // Draws the whole picture, at the window's device pixel ratio.
    void DrawCanvas();
    void DrawRow(QPainter& dc, int row, int lineHeight);
    int LineHeight() const;
    int RowTop(int row, int lineHeight) const { return 20 + row * (2 * lineHeight + 10); }

    int rowCount_ = 0;
    std::array<PlayerColor, kColorCount> rowColour_{};
    std::array<GbkName, kColorCount> name_{};
    std::array<uint32_t, kColorCount> timeLeft_{};
    std::array<int, kColorCount> marblesHome_{};
    std::array<int, kColorCount> place_{};
    PlayerColor current_ = kNoColor;
    bool clocksShown_ = false;
    bool visible_ = false;

    std::array<CTextPainter, kColorCount> painter_;
    CTextPainter white_;
    CTransparentSurface clock_;
    // The clock for denser screens, from its twice dense picture where there is one.
    QImage denseClock_;
    QImage canvas_;
};

}  // namespace halmora
