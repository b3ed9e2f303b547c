#include "app/BoardSettingsSheet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AnimationPage.h"
#include "app/MouseInputPage.h"

namespace halmora {

CBoardSettingsSheet::CBoardSettingsSheet(QWidget* parent, CAppSettings& settings)
    : QDialog(parent),
      tabs_(new QTabWidget),
      mousePage_(new CMouseInputPage(nullptr, settings)),
      animationPage_(new CAnimationPage(nullptr, settings)) {
    setWindowTitle(QStringLiteral("棋盘设定      "));
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(mousePage_, CMouseInputPage::Caption());
    tabs_->addTab(animationPage_, CAnimationPage::Caption());

    // The sheet's buttons keep the ids of OK and Cancel.
    auto* ok = new QPushButton(QStringLiteral("确定"));
    ok->setObjectName(QStringLiteral("button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"));
    cancel->setObjectName(QStringLiteral("button2"));
    connect(ok, &QPushButton::clicked, this, &CBoardSettingsSheet::accept);
    connect(cancel, &QPushButton::clicked, this, &CBoardSettingsSheet::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
}

void CBoardSettingsSheet::accept() {
    // Each page stores itself only if it was shown.
    mousePage_->Store();
    animationPage_->Store();
    QDialog::accept();
}

}  // namespace halmora
