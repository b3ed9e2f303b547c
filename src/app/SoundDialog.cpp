#include "app/SoundDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace halmora {

CSoundDialog::CSoundDialog(QWidget* parent, CAppSettings& settings)
    : QDialog(parent),
      settings_(settings),
      mute_(new QCheckBox(QStringLiteral("消除全部游戏声音"))) {
    setWindowTitle(QStringLiteral("声音设定 "));
    mute_->setObjectName(QStringLiteral("check1062"));
    auto* ok = new QPushButton(QStringLiteral("确定"));
    ok->setObjectName(QStringLiteral("button1063"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"));
    cancel->setObjectName(QStringLiteral("button1064"));
    connect(ok, &QPushButton::clicked, this, &CSoundDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CSoundDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mute_);
    layout->addLayout(buttons);

    mute_->setChecked(settings_->MuteSounds != 0);
}

void CSoundDialog::accept() {
    settings_.Change([this](CSettings& s) { s.MuteSounds = mute_->isChecked() ? 1 : 0; });
    QDialog::accept();
}

}  // namespace halmora
