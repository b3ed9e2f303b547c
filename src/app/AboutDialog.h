// The about box: the product's name, what it is, and an OK button.
#pragma once

#include <QDialog>

namespace halmora {

class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

}  // namespace halmora
