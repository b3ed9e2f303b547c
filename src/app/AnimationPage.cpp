#include "app/AnimationPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace halmora {

CAnimationPage::CAnimationPage(QWidget* parent, CAppSettings& settings)
    : CSettingsPage(parent, settings),
      fullAnimation_(
          new QCheckBox(QCoreApplication::translate("AnimationPage", "显示完全动画的弹珠运动。"))),
      speed_(new QSlider(Qt::Horizontal)),
      markLastMove_(new QCheckBox(QCoreApplication::translate(
          "AnimationPage", "在棋盘上标出上一步移动的路径和轮到的玩家。"))) {
    setObjectName(QStringLiteral("page116"));
    fullAnimation_->setObjectName(QStringLiteral("check1060"));
    speed_->setObjectName(QStringLiteral("slider1061"));
    markLastMove_->setObjectName(QStringLiteral("checkMarkLastMove"));
    speed_->setRange(kSpeedSliderMin, kSpeedSliderMax);
    speed_->setTickPosition(QSlider::TicksBelow);
    speed_->setTickInterval(kSpeedSliderTicks);
    speed_->setSingleStep(1);
    speed_->setPageStep(kSpeedSliderTicks);

    auto* group = new QGroupBox(QCoreApplication::translate("AnimationPage", "弹珠移动速度"));
    auto* groupLayout = new QGridLayout(group);
    groupLayout->addWidget(speed_, 0, 0, 1, 2);
    groupLayout->addWidget(new QLabel(QCoreApplication::translate("AnimationPage", "最慢的")), 1, 0,
                           Qt::AlignLeft);
    groupLayout->addWidget(new QLabel(QCoreApplication::translate("AnimationPage", "最快的")), 1, 1,
                           Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fullAnimation_);
    layout->addWidget(group);
    layout->addWidget(markLastMove_);
    layout->addStretch();
}

QString CAnimationPage::Caption() {
    return QCoreApplication::translate("AnimationPage", " 动画   ");
}

void CAnimationPage::Fill(const CSettings& settings) {
    fullAnimation_->setChecked(settings.FullAnimation == 1);
    // The slider keeps to its range: the default speed 1 shows as 20.
    speed_->setValue(settings.AnimationSpeed);
    markLastMove_->setChecked(settings.MarksLastMove());
}

void CAnimationPage::Apply(CSettings& settings) const {
    settings.FullAnimation = fullAnimation_->isChecked() ? 1 : 0;
    settings.AnimationSpeed = speed_->value();
    // Any other value read from the file stays as long as the box keeps its meaning.
    if (markLastMove_->isChecked() != settings.MarksLastMove())
        settings.HideLastMove = markLastMove_->isChecked() ? 0 : 1;
}

}  // namespace halmora
