// The first page of the new-game sheet: who plays each of the six colours, seat by seat or through
// a quick setup.
#pragma once

#include <array>

#include "app/SettingsPage.h"
#include "board/Place.h"

class QComboBox;

namespace halmora {

class CPlayerSetupPage : public CSettingsPage {
    Q_OBJECT

public:
    CPlayerSetupPage(QWidget* parent, CAppSettings& settings);

    // Sets the six seat combos to the quick setup selected in combo 1026.
    void QuickSetupChosen();

protected:
    // The seat types; Apply writes those whose combo text names a type.
    void Fill(const CSettings& settings) override;
    void Apply(CSettings& settings) const override;

private:
    QComboBox* quickSetup_ = nullptr;
    std::array<QComboBox*, kColorCount> seatCombos_{};  // by PlayerColor
};

}  // namespace halmora
