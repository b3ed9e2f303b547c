// A page of a settings sheet (new game, board settings). It fills its controls from the settings
// the first time it is shown, and the sheet's OK stores what it shows; a page never shown stores
// nothing, so OK cannot write back settings the user never saw.
#pragma once

#include <QWidget>

#include "app/AppSettings.h"

namespace halmora {

class CSettingsPage : public QWidget {
    Q_OBJECT

public:
    CSettingsPage(QWidget* parent, CAppSettings& settings);

    // Fills the controls from the settings; the first showing does it, later calls nothing.
    void Initialise();
    bool IsInitialised() const { return initialised_; }

    // Writes the page's fields and saves the settings; nothing unless initialised.
    void Store();

protected:
    void showEvent(QShowEvent* event) override;

    virtual void Fill(const CSettings& settings) = 0;
    virtual void Apply(CSettings& settings) const = 0;

private:
    CAppSettings& settings_;
    bool initialised_ = false;
};

}  // namespace halmora
