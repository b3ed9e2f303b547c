#include "app/FootButtons.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>

#include <utility>

#include "app/CommandIds.h"
#include "platform/AppFolder.h"

namespace halmora {

void CFootButtons::Create(QWidget& area, const std::function<void(int)>& command) {
    const auto make = [&](int id, const QString& text) {
        auto* button = new QPushButton(text, &area);
        button->setObjectName(QString("button%1").arg(id));
        button->setFocusPolicy(Qt::NoFocus);
        QObject::connect(button, &QPushButton::clicked, &area, [command, id] { command(id); });
        buttons_[id] = button;
        return button;
    };
    for (const auto& [id, icon] : {std::pair{kCmdRotateRight, "Resources/icon-125.png"},
                                   std::pair{kCmdRotateLeft, "Resources/icon-126.png"}}) {
        QPushButton* button = make(id, QString());
        button->setIcon(QIcon(QString::fromStdString(AppFile(icon).string())));
        button->setIconSize(QSize(32, 32));
    }
    make(kCmdShowGameInfo, QString());
    make(kCmdQuitGame, QString());
    Retranslate();
}

void CFootButtons::Retranslate() {
    if (buttons_.empty())
        return;
    buttons_[kCmdShowGameInfo]->setText(
        QCoreApplication::translate("FootButtons", "显示游戏信息...  "));
    buttons_[kCmdQuitGame]->setText(QCoreApplication::translate("FootButtons", "退出游戏"));
}

void CFootButtons::Place(int w, int b) {
    if (buttons_.empty())
        return;
    buttons_[kCmdRotateRight]->setGeometry(10, b - 50, 40, 40);
    buttons_[kCmdRotateLeft]->setGeometry(60, b - 50, 40, 40);
    buttons_[kCmdShowGameInfo]->setGeometry(w - 140, b - 50, 130, 40);
    buttons_[kCmdQuitGame]->setGeometry(w - 250, b - 50, 100, 40);
}

QPushButton* CFootButtons::Button(int id) const {
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

}  // namespace halmora
