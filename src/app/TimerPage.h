// The second page of the new-game sheet: whether the game runs with clocks, the starting time and
// the time added per move. The time boxes take digits only.
#pragma once

#include <array>

#include "app/SettingsPage.h"

class QCheckBox;
class QLineEdit;

namespace halmora {

class CTimerPage : public CSettingsPage {
    Q_OBJECT

public:
    CTimerPage(QWidget* parent, CAppSettings& settings);

    // The box was clicked: the time boxes follow it.
    void TimerClicked();

    // With the timer ticked, the first time box that holds no whole number, or the starting
    // time's box when no time at all is given; null when the times can start a game.
    QLineEdit* InvalidTimeBox() const;
    // Why InvalidTimeBox() refuses the times, for the player.
    const char* InvalidTimeReason() const;

protected:
    // UseTimer and the time fields; Apply writes only those whose box starts with a number.
    void Fill(const CSettings& settings) override;
    void Apply(CSettings& settings) const override;

private:
    QCheckBox* useTimer_ = nullptr;
    // Initial minutes, initial seconds, minutes per move, seconds per move.
    std::array<QLineEdit*, 4> edits_{};
};

}  // namespace halmora
