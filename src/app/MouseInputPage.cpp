#include "app/MouseInputPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace halmora {

CMouseInputPage::CMouseInputPage(QWidget* parent, CAppSettings& settings)
    : CSettingsPage(parent, settings),
      dragAndDrop_(new QRadioButton(
          QCoreApplication::translate("MouseInputPage", "\"拖曳和落下\" 弹珠移动"))),
      clickPath_(new QRadioButton(QCoreApplication::translate(
          "MouseInputPage", "\" 连接迹点 \" 弹珠移动 (单击设定每步移动,用双击执行完全的动作。)"))),
      showMoves_(new QCheckBox(QCoreApplication::translate(
          "MouseInputPage", "当鼠标在弹珠之上悬停时，显示所有的可能动作。"))) {
    setObjectName(QStringLiteral("page115"));
    dragAndDrop_->setObjectName(QStringLiteral("radio1056"));
    clickPath_->setObjectName(QStringLiteral("radio1057"));
    showMoves_->setObjectName(QStringLiteral("check1058"));

    auto* group = new QGroupBox(QCoreApplication::translate("MouseInputPage", "弹珠移动"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(dragAndDrop_);
    groupLayout->addWidget(clickPath_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(showMoves_);
    layout->addStretch();
}

QString CMouseInputPage::Caption() {
    return QCoreApplication::translate("MouseInputPage", "鼠标输入 ");
}

void CMouseInputPage::Fill(const CSettings& settings) {
    // Neither button starts ticked, so another mode leaves both clear.
    if (settings.MouseMode == 0)
        dragAndDrop_->setChecked(true);
    else if (settings.MouseMode == 1)
        clickPath_->setChecked(true);
    showMoves_->setChecked(settings.ShowMovesOnHover == 1);
}

void CMouseInputPage::Apply(CSettings& settings) const {
    if (dragAndDrop_->isChecked())
        settings.MouseMode = 0;
    else if (clickPath_->isChecked())
        settings.MouseMode = 1;
    settings.ShowMovesOnHover = showMoves_->isChecked() ? 1 : 0;
}

}  // namespace halmora
