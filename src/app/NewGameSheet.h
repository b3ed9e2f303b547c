// The new-game sheet: the player setup page and the timer page behind OK and Cancel. OK stores
// the pages that were shown into the settings, then accepts only a game of 2, 3, 4 or 6 players;
// the caller asks Confirmed() afterwards and builds the game from the settings.
//
//   CNewGameSheet sheet(this, settings);
//   sheet.exec();
//   if (sheet.Confirmed()) ...
#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace halmora {

class CAppSettings;
class CPlayerSetupPage;
class CTimerPage;

class CNewGameSheet : public QDialog {
    Q_OBJECT

public:
    CNewGameSheet(QWidget* parent, CAppSettings& settings);

    // True only after an OK that started a game; false on opening and after Cancel.
    bool Confirmed() const { return confirmed_; }

    // The OK button: stores the pages, then closes the sheet if the player count allows a game.
    // The seat types stay stored even when the count is refused.
    void Ok();
    // The Cancel button.
    void Cancel();

    CTimerPage& TimerPage() { return *timerPage_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    CAppSettings& settings_;
    QTabWidget* tabs_ = nullptr;
    CPlayerSetupPage* setupPage_ = nullptr;
    CTimerPage* timerPage_ = nullptr;
    bool confirmed_ = false;
};

}  // namespace halmora
