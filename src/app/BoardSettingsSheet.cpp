#include "app/BoardSettingsSheet.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AnimationPage.h"
#include "app/DialogButtons.h"
#include "app/MouseInputPage.h"

namespace halmora {

CBoardSettingsSheet::CBoardSettingsSheet(QWidget* parent, CAppSettings& settings)
    : QDialog(parent),
      tabs_(new QTabWidget),
      mousePage_(new CMouseInputPage(nullptr, settings)),
      animationPage_(new CAnimationPage(nullptr, settings)) {
    setWindowTitle(QCoreApplication::translate("BoardSettingsSheet", "棋盘设定      "));
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(mousePage_, CMouseInputPage::Caption());
    tabs_->addTab(animationPage_, CAnimationPage::Caption());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    // The sheet's buttons keep the ids of OK and Cancel.
    layout->addLayout(OkCancelRow(*this, QStringLiteral("button1"), QStringLiteral("button2")));
}

void CBoardSettingsSheet::accept() {
    // Each page stores itself only if it was shown.
    mousePage_->Store();
    animationPage_->Store();
    QDialog::accept();
}

}  // namespace halmora
