// The statistics window: one named player's games, newest first, with the rating after each game
// and its change, the player's totals beside the list, and deletion of a player with all its
// records. The main window runs it modally from the View Statistics command (no name) and at the
// end of a game (the first human seat's name, so that the game just recorded is shown):
//
//   CStatsWindow window(this, firstHumanName);   // std::nullopt from the menu command
//   window.exec();
//
// Opening reloads the settings and the statistics file; the player shown is remembered in the
// settings' StatsPlayer when the window closes, by its button, Escape or its close box alike.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>

#include "app/AppSettings.h"
#include "platform/TextEncoding.h"
#include "records/StatsDatabase.h"

class QComboBox;
class QPushButton;
class QTableWidget;

namespace halmora {

class CStatsWindow : public QDialog {
    Q_OBJECT

public:
    // Loads the statistics file into stats (Refresh: games it holds that are not yet written
    // stay), or into a database of the window's own when stats is null. Deletions are made in the
    // file under its lock and followed in stats. playerName, when given, replaces the player last
    // shown (StatsPlayer of the settings), which the window stores when it closes.
    CStatsWindow(QWidget* parent, CAppSettings& settings, std::optional<GbkName> playerName,
                 StatsDatabase* stats = nullptr);

    // The player the window is set to (StatsPlayer), as UTF-8; it may have no records.
    QString ShownPlayer() const;
    // The names in the player list, in their order.
    QStringList PlayerNames() const;
    int RowCount() const;
    QString CellText(int row, int column) const;
    // The four totals lines as painted, or none when no player is shown.
    QStringList TotalsTexts() const;

    // What the controls do: choose a player from the list, close (button 1054) and delete the
    // shown player (button 2), which asks first.
    void SelectPlayer(int index);
    void Close();
    void DeletePlayer();

    // Escape and the close box close the window as the close button does.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FillCombo();
    void SelectStatsPlayerInCombo();
    void FillList();
    const PlayerEntry* ShownEntry() const;

    StatsDatabase ownStats_;
    StatsDatabase& stats_;
    StatsStatus loadStatus_;
    CAppSettings& settings_;
    GbkName shown_{};  // the player the window is set to

    QPushButton* closeButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QComboBox* players_ = nullptr;
    QTableWidget* list_ = nullptr;
};

}  // namespace halmora
