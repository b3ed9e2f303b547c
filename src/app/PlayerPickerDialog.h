// Gives one human seat a player name: an existing name of the statistics file, or a new one
// through the name dialog. Names taken by lower-numbered human seats of this game are not offered.
// The choice goes to that seat's PlayerName in the settings. With no players in the statistics
// file the picker goes straight to the name dialog and never shows itself.
//
//   for (PlayerColor seat = 0; seat < kColorCount; ++seat)
//       if (settings->PlayerType[seat] == kSeatHuman) {
//           CPlayerPickerDialog picker(this, settings, seat);
//           picker.exec();
//       }
#pragma once

#include <QDialog>

#include <string>
#include <string_view>
#include <vector>

#include "app/AppSettings.h"
#include "board/Place.h"
#include "view/TextPainter.h"

class QComboBox;

namespace halmora {

class CPlayerPickerDialog : public QDialog {
    Q_OBJECT

public:
    // seat: the PlayerColor 0..5 being named. Reads the statistics file.
    CPlayerPickerDialog(QWidget* parent, CAppSettings& settings, PlayerColor seat);

    // Without players to pick from, runs the name dialog instead and returns its result.
    int exec() override;

    // The OK button: saves a listed, untaken name and closes; otherwise tells the user.
    void Ok();
    // The "新的玩家" button: the name dialog, then the picker closes whatever it answered.
    void NewPlayer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // True when name (GBK) is the PlayerName of a human seat numbered below this one.
    bool TakenByLowerSeat(std::string_view name) const;
    bool InStatistics(std::string_view name) const;

    CAppSettings& settings_;
    PlayerColor seat_;
    std::vector<std::string> statsNames_;  // GBK, in the file's order
    CTextPainter painter_;
    QComboBox* names_ = nullptr;
    bool newPlayerStarted_ = false;
};

}  // namespace halmora
