#include "app/StatusPanes.h"

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>
#include <string>

#include "app/Language.h"
#include "board/BoardGeometry.h"
#include "game/Game.h"
#include "platform/TextEncoding.h"

namespace halmora {
namespace {

constexpr int kPaneWidths[3] = {96, 96, 384};
constexpr int kPaneIds[3] = {6771, 6772, 6773};
constexpr char kGameOverText[] = QT_TRANSLATE_NOOP("StatusBar", "游戏退出.     ");

QString Tr(const char* text) {
    return QCoreApplication::translate("StatusBar", text);
}

// "(Red) Ann", as the turn pane names a player.
// A player's name: the computers' names are known texts and read in the chosen language.
QString NameText(const CPlayer& player) {
    const std::string utf8 = GbkNameToUtf8(player.Name());
    return player.IsHuman() ? QString::fromStdString(utf8)
                            : QCoreApplication::translate("ComputerName", utf8.c_str());
}

QString PlayerText(const CGame& game, PlayerColor colour) {
    const CPlayer* player = game.Seat(colour);
    return QStringLiteral("(%1) %2").arg(
        GameText(std::string(ColourName(colour)).c_str()),
        player != nullptr ? NameText(*player).trimmed() : QString());
}

}  // namespace

void CStatusPanes::Build(QStatusBar& bar) {
    // A compact face keeps "Game Time 00:00" inside 96.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    bar.setFont(font);
    bar_ = &bar;
    for (int i = 0; i < 3; ++i) {
        auto* pane = new QLabel(&bar);
        pane->setObjectName(QString("pane%1").arg(kPaneIds[i]));
        pane->setFixedWidth(kPaneWidths[i]);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setIndent(2);
        bar.addWidget(pane);
        panes_[i] = pane;
    }
}

bool CStatusPanes::Show(const CGame& game) {
    Set(0, QCoreApplication::translate("StatusBar", "Game Time ") +
               QString::fromStdString(ClockText(game.GameClock().Get(), true)));
    const int players = std::max(game.Players(), 1);
    Set(1, QCoreApplication::translate("StatusBar", "Turns Played: %1")
               .arg(game.MoveCount() / players));
    QString turn;
    if (game.State() == kGameOver) {
        turn = Tr(kGameOverText);
    } else if (const CPlayer* player = game.Current()) {
        turn = QCoreApplication::translate("StatusBar", "(%1) %2's turn")
                   .arg(GameText(std::string(ColourName(game.CurrentColour())).c_str()),
                        NameText(*player));
        if (const uint32_t left = game.CurrentClock(); left != 0)
            turn += QCoreApplication::translate("StatusBar", " - Time Remaining ") +
                    QString::fromStdString(ClockText(left, false));
    }
    if (turn == panes_[2]->text())
        return false;
    Set(2, turn);
    return true;
}

void CStatusPanes::ShowResult(const CGame& game) {
    static constexpr const char* kOrdinals[kColorCount] = {"",
                                                           QT_TRANSLATE_NOOP("StatusBar", "2nd"),
                                                           QT_TRANSLATE_NOOP("StatusBar", "3rd"),
                                                           QT_TRANSLATE_NOOP("StatusBar", "4th"),
                                                           QT_TRANSLATE_NOOP("StatusBar", "5th"),
                                                           QT_TRANSLATE_NOOP("StatusBar", "6th")};
    int placed = 0;
    for (int i = 0; i < kColorCount; ++i)
        placed += game.PlaceAt(i) != kNoColor ? 1 : 0;
    // Between two players the winner says it all.
    QString text;
    if (game.PlaceAt(0) != kNoColor)
        text = QCoreApplication::translate("StatusBar", "%1 wins")
                   .arg(PlayerText(game, game.PlaceAt(0)));
    for (int i = 1; i < kColorCount && placed > 2; ++i) {
        if (game.PlaceAt(i) != kNoColor)
            text +=
                QStringLiteral(" - %1 ").arg(Tr(kOrdinals[i])) + PlayerText(game, game.PlaceAt(i));
    }
    bar_->showMessage(text.isEmpty() ? Tr(kGameOverText) : text);
}

void CStatusPanes::Clear() {
    if (bar_ != nullptr)
        bar_->clearMessage();
    for (QLabel* pane : panes_)
        if (pane != nullptr)
            pane->clear();
}

QString CStatusPanes::Text(int pane) const {
    return panes_[pane]->text();
}

void CStatusPanes::Set(int pane, const QString& text) {
    if (panes_[pane]->text() != text)
        panes_[pane]->setText(text);
}

}  // namespace halmora
