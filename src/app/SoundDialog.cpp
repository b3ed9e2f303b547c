#include "app/SoundDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QVBoxLayout>

#include "app/DialogButtons.h"

namespace halmora {

CSoundDialog::CSoundDialog(QWidget* parent, CAppSettings& settings)
    : QDialog(parent),
      settings_(settings),
      mute_(new QCheckBox(QCoreApplication::translate("SoundDialog", "消除全部游戏声音"))) {
    setWindowTitle(QCoreApplication::translate("SoundDialog", "声音设定 "));
    mute_->setObjectName(QStringLiteral("check1062"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mute_);
    layout->addLayout(
        OkCancelRow(*this, QStringLiteral("button1063"), QStringLiteral("button1064")));

    mute_->setChecked(settings_->MuteSounds != 0);
}

void CSoundDialog::accept() {
    settings_.Change([this](CSettings& s) { s.MuteSounds = mute_->isChecked() ? 1 : 0; });
    QDialog::accept();
}

}  // namespace halmora
