// The animation page of the board settings sheet: whether moves are animated and how fast the
// marble glides. The speed slider runs from 20 to 200 with a tick mark every 20 but stops at any
// whole number; a stored speed outside that range is shown, and later stored, as the nearest end.
#pragma once

#include "app/SettingsPage.h"

class QCheckBox;
class QSlider;

namespace halmora {

inline constexpr int kSpeedSliderMin = 20;
inline constexpr int kSpeedSliderMax = 200;
inline constexpr int kSpeedSliderTicks = 20;

class CAnimationPage : public CSettingsPage {
    Q_OBJECT

public:
    CAnimationPage(QWidget* parent, CAppSettings& settings);

    // The tab's caption.
    static QString Caption();

protected:
    // The check box is FullAnimation, the slider's position AnimationSpeed; the last check box
    // whether the last move stays marked (HideLastMove, 1 when clear).
    void Fill(const CSettings& settings) override;
    void Apply(CSettings& settings) const override;

private:
    QCheckBox* fullAnimation_;
    QSlider* speed_;
    QCheckBox* markLastMove_;
};

}  // namespace halmora
