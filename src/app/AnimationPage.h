// The animation page of the board settings sheet: whether moves are animated and how fast the
// marble glides. The speed slider runs from 20 to 200 with a tick mark every 20 but stops at any
// whole number; a stored speed outside that range is shown, and later stored, as the nearest end.
// Like the mouse page it fills its controls on its first showing and stores nothing otherwise.
#pragma once

#include <QWidget>

#include "records/Settings.h"

class QCheckBox;
class QSlider;

namespace halmora {

inline constexpr int kSpeedSliderMin = 20;
inline constexpr int kSpeedSliderMax = 200;
inline constexpr int kSpeedSliderTicks = 20;

class CAnimationPage : public QWidget {
    Q_OBJECT

public:
    explicit CAnimationPage(QWidget* parent);

    // The tab's caption.
    static QString Caption();

    // Loads the settings and sets the check box from FullAnimation and the slider from
    // AnimationSpeed. Runs once, on the first showing; later calls do nothing.
    void Initialise();
    bool IsInitialised() const { return initialised_; }

    // Writes FullAnimation and the slider's position as AnimationSpeed into a freshly loaded
    // record and saves it. Does nothing unless initialised.
    void Store();

protected:
    void showEvent(QShowEvent* event) override;

private:
    CSettings settings_;
    bool initialised_ = false;
    QCheckBox* fullAnimation_;
    QSlider* speed_;
};

}  // namespace halmora
