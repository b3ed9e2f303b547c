// The sound settings dialog: one switch that silences every game sound. It reads the settings
// when it is made and writes MuteSounds on OK only.
#pragma once

#include <QDialog>

#include "records/Settings.h"

class QCheckBox;

namespace halmora {

class CSoundDialog : public QDialog {
    Q_OBJECT

public:
    explicit CSoundDialog(QWidget* parent);

public slots:
    // Stores MuteSounds into a freshly loaded record, saves it and closes.
    void accept() override;

private:
    CSettings settings_;
    QCheckBox* mute_;
};

}  // namespace halmora
