#include "app/NewGameSheet.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/AppSettings.h"
#include "app/MessageBoxes.h"
#include "app/PlayerSetupPage.h"
#include "app/TimerPage.h"
#include "board/SeatTypes.h"

namespace halmora {
namespace {

constexpr const char* kRefusedCaption = QT_TRANSLATE_NOOP("NewGameSheet", "不能开始游戏    ");
constexpr const char* kNoPlayers = QT_TRANSLATE_NOOP(
    "NewGameSheet",
    "          你无法开始一个游戏以没有玩家.   这里必须是2, 3, 4, 或6 个玩家      .");
constexpr const char* kOnePlayer = QT_TRANSLATE_NOOP(
    "NewGameSheet",
    "             你无法开始一个游戏以唯一的玩家.   这里必须是2, 3, 4, 或6 个玩家      .");
constexpr const char* kFivePlayers = QT_TRANSLATE_NOOP(
    "NewGameSheet",
    "         你无法开始一个游戏以5 个玩家.   这里必须是2, 3, 4, 或6 个玩家      .");

// A message in the chosen language.
std::string Text(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

}  // namespace

CNewGameSheet::CNewGameSheet(QWidget* parent, CAppSettings& settings)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QCoreApplication::translate("NewGameSheet", "新的游戏"));

    tabs_ = new QTabWidget(this);
    setupPage_ = new CPlayerSetupPage(tabs_, settings);
    timerPage_ = new CTimerPage(tabs_, settings);
    tabs_->addTab(setupPage_, QCoreApplication::translate("NewGameSheet", "玩家设置 "));
    tabs_->addTab(timerPage_, QCoreApplication::translate("NewGameSheet", "计时器设置 "));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QCoreApplication::translate("NewGameSheet", "确定"));
    ok->setObjectName(QStringLiteral("buttonOk"));
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(QCoreApplication::translate("NewGameSheet", "取消"));
    cancel->setObjectName(QStringLiteral("buttonCancel"));
    // The buttons decide themselves whether the sheet closes.
    connect(ok, &QPushButton::clicked, this, &CNewGameSheet::Ok);
    connect(cancel, &QPushButton::clicked, this, &CNewGameSheet::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void CNewGameSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Each opening starts unconfirmed; a restored window is no new opening.
    if (!event->spontaneous())
        confirmed_ = false;
}

void CNewGameSheet::Ok() {
    // Times that cannot run a clock are refused before anything is stored; the sheet stays open
    // on the box to mend.
    if (timerPage_->IsInitialised()) {
        if (QLineEdit* box = timerPage_->InvalidTimeBox()) {
            tabs_->setCurrentWidget(timerPage_);
            ShowMessageBox(this, Text("TimerPage", timerPage_->InvalidTimeReason()),
                           Text("NewGameSheet", kRefusedCaption));
            box->setFocus();
            box->selectAll();
            return;
        }
    }
    setupPage_->Store();
    timerPage_->Store();

    const CSettings& settings = settings_.Get();
    const auto players = std::count_if(settings.PlayerType.begin(), settings.PlayerType.end(),
                                       [](PlayerType type) { return type != kSeatEmpty; });
    const char* refusal = nullptr;
    switch (players) {
        case 0:
            refusal = kNoPlayers;
            break;
        case 1:
            refusal = kOnePlayer;
            break;
        case 5:
            refusal = kFivePlayers;
            break;
        default:
            break;
    }
    if (refusal != nullptr) {
        ShowMessageBox(this, Text("NewGameSheet", refusal), Text("NewGameSheet", kRefusedCaption));
        return;
    }
    confirmed_ = true;
    accept();
}

void CNewGameSheet::Cancel() {
    confirmed_ = false;
    reject();
}

}  // namespace halmora
