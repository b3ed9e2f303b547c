// The second page of the new-game sheet: whether the game runs with clocks, the starting time and
// the time added per move. Filled from the settings file the first time it is shown; a page that
// was never shown leaves the clock settings as they are. The time boxes take digits only.
#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QLineEdit;

namespace halmora {

class CTimerPage : public QWidget {
    Q_OBJECT

public:
    explicit CTimerPage(QWidget* parent = nullptr);

    bool Initialised() const { return initialised_; }

    // Fills the controls from the settings file; the first showing does it.
    void Initialise();

    // Writes UseTimer and every time field whose box starts with a number; nothing before
    // Initialise.
    void Store();

    // The box was clicked: the time boxes follow it.
    void TimerClicked();

    // With the timer ticked, the first time box that holds no whole number, or the starting
    // time's box when no time at all is given; null when the times can start a game.
    QLineEdit* InvalidTimeBox() const;
    // Why InvalidTimeBox() refuses the times, for the player.
    const char* InvalidTimeReason() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* useTimer_ = nullptr;
    // Initial minutes, initial seconds, minutes per move, seconds per move.
    std::array<QLineEdit*, 4> edits_{};
    bool initialised_ = false;
};

}  // namespace halmora
