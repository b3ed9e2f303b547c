// Asks for a new player name for one human seat and writes it to that seat's PlayerName in the
// settings. The name becomes a statistics entry only when its first game is filed, and it is
// not compared with other names. Cancel, Escape and the close box save nothing.
#pragma once

#include <QDialog>

#include "app/AppSettings.h"
#include "board/Place.h"
#include "view/TextPainter.h"

class QLineEdit;

namespace halmora {

// The most characters of a player name, as the user sees them. 15 Chinese characters are 30
// bytes in GBK and fit the 32-byte name fields with their zero.
inline constexpr int kMaxPlayerNameCharacters = 15;

class CPlayerNameDialog : public QDialog {
    Q_OBJECT

public:
    // seat: the PlayerColor 0..5 whose name is asked for.
    CPlayerNameDialog(QWidget* parent, CAppSettings& settings, PlayerColor seat);

    // The OK button: refuses an empty name (or one of blanks), otherwise saves it and closes.
    void Ok();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    CAppSettings& settings_;
    PlayerColor seat_;
    CTextPainter painter_;
    QLineEdit* edit_ = nullptr;
};

}  // namespace halmora
