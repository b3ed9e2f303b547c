// The mouse input page of the board settings sheet: drag and drop or clicking each hole of a
// path, and whether a marble under the resting mouse shows its moves.
#pragma once

#include "app/SettingsPage.h"

class QCheckBox;
class QRadioButton;

namespace halmora {

class CMouseInputPage : public CSettingsPage {
    Q_OBJECT

public:
    CMouseInputPage(QWidget* parent, CAppSettings& settings);

    // The tab's caption.
    static QString Caption();

protected:
    // MouseMode and ShowMovesOnHover; a mode with neither button ticked stays as it was.
    void Fill(const CSettings& settings) override;
    void Apply(CSettings& settings) const override;

private:
    QRadioButton* dragAndDrop_;
    QRadioButton* clickPath_;
    QCheckBox* showMoves_;
};

}  // namespace halmora
