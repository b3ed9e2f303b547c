// The board settings sheet: the mouse input page and the animation page on tabs, with OK and
// Cancel and no Apply. OK stores each page that was shown, mouse page first; Cancel stores
// nothing.
#pragma once

#include <QDialog>

class QTabWidget;

namespace halmora {

class CAnimationPage;
class CAppSettings;
class CMouseInputPage;

class CBoardSettingsSheet : public QDialog {
    Q_OBJECT

public:
    CBoardSettingsSheet(QWidget* parent, CAppSettings& settings);

    CMouseInputPage& MousePage() { return *mousePage_; }
    CAnimationPage& AnimationPage() { return *animationPage_; }
    QTabWidget& Tabs() { return *tabs_; }

public slots:
    void accept() override;

private:
    QTabWidget* tabs_;
    CMouseInputPage* mousePage_;
    CAnimationPage* animationPage_;
};

}  // namespace halmora
