// The mouse input page of the board settings sheet: drag and drop or clicking each hole of a
// path, and whether a marble under the resting mouse shows its moves. The page fills its controls
// the first time it is shown; a page never shown stores nothing, so the sheet's OK cannot write
// back settings the user never saw.
#pragma once

#include <QWidget>

#include "records/Settings.h"

class QCheckBox;
class QRadioButton;

namespace halmora {

class CMouseInputPage : public QWidget {
    Q_OBJECT

public:
    explicit CMouseInputPage(QWidget* parent);

    // The tab's caption.
    static QString Caption();

    // Loads the settings and sets the controls from MouseMode and ShowMovesOnHover. Runs once, on
    // the first showing; later calls do nothing.
    void Initialise();
    bool IsInitialised() const { return initialised_; }

    // Writes MouseMode and ShowMovesOnHover into a freshly loaded record and saves it. A mode
    // with neither button ticked stays as it was. Does nothing unless initialised.
    void Store();

protected:
    void showEvent(QShowEvent* event) override;

private:
    CSettings settings_;
    bool initialised_ = false;
    QRadioButton* dragAndDrop_;
    QRadioButton* clickPath_;
    QCheckBox* showMoves_;
};

}  // namespace halmora
