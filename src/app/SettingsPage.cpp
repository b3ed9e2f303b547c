#include "app/SettingsPage.h"

namespace halmora {

CSettingsPage::CSettingsPage(QWidget* parent, CAppSettings& settings)
    : QWidget(parent), settings_(settings) {}

void CSettingsPage::Initialise() {
    if (initialised_)
        return;
    Fill(settings_.Get());
    initialised_ = true;
}

void CSettingsPage::Store() {
    if (initialised_)
        settings_.Change([this](CSettings& s) { Apply(s); });
}

void CSettingsPage::showEvent(QShowEvent* event) {
    Initialise();
    QWidget::showEvent(event);
}

}  // namespace halmora
