// The sound settings dialog: one switch that silences every game sound, stored on OK only.
#pragma once

#include <QDialog>

#include "app/AppSettings.h"

class QCheckBox;

namespace halmora {

class CSoundDialog : public QDialog {
    Q_OBJECT

public:
    CSoundDialog(QWidget* parent, CAppSettings& settings);

public slots:
    // Stores MuteSounds and closes.
    void accept() override;

private:
    CAppSettings& settings_;
    QCheckBox* mute_;
};

}  // namespace halmora
