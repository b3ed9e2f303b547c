// The first page of the new-game sheet: who plays each of the six colours, seat by seat or through
// a quick setup. The page fills itself from the settings file the first time it is shown and
// writes the seat types back only when the sheet's OK stores it.
#pragma once

#include <QWidget>

#include <array>

#include "board/Place.h"

class QComboBox;

namespace halmora {

class CPlayerSetupPage : public QWidget {
    Q_OBJECT

public:
    explicit CPlayerSetupPage(QWidget* parent = nullptr);

    // True once the controls have been filled from the settings.
    bool Initialised() const { return initialised_; }

    // Fills the controls from the settings file; the first showing does it.
    void Initialise();

    // Writes the seat type of every combo whose text names a type; nothing before Initialise.
    void Store();

    // Sets the six seat combos to the quick setup selected in combo 1026.
    void QuickSetupChosen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* quickSetup_ = nullptr;
    std::array<QComboBox*, kColorCount> seatCombos_{};  // by PlayerColor
    bool initialised_ = false;
};

}  // namespace halmora
