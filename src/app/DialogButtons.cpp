#include "app/DialogButtons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace halmora {

QHBoxLayout* OkCancelRow(QDialog& dialog, const QString& okName, const QString& cancelName) {
    auto* ok = new QPushButton(QCoreApplication::translate("DialogButtons", "确定"));
    ok->setObjectName(okName);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("DialogButtons", "取消"));
    cancel->setObjectName(cancelName);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

}  // namespace halmora
