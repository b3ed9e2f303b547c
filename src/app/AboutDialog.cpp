#include "app/AboutDialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Version.h"
#include "platform/AppFolder.h"

namespace halmora {

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("dialog119");
    setWindowTitle(QCoreApplication::translate("AboutDialog", "关於 Halmora"));
    auto* icon = new QLabel(this);
    icon->setPixmap(
        QIcon(QString::fromStdString(AppFile("Resources/icon-124.png").string())).pixmap(64, 64));
    auto* text = new QLabel(this);
    text->setObjectName("aboutText");
    text->setText(QCoreApplication::translate("AboutDialog",
                                              "<h2>Halmora</h2><p>中国跳棋 · Chinese Checkers</p>"
                                              "<p>Version %1</p>"
                                              "<p>两到六位玩家，人类或五个等级的电脑玩家。</p>")
                      .arg(QString::fromUtf8(kVersionText)));
    auto* ok = new QPushButton(QCoreApplication::translate("AboutDialog", "OK"), this);
    ok->setObjectName("button1068");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace halmora
