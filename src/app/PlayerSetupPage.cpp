#include "app/PlayerSetupPage.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QShowEvent>
#include <QString>

#include <string_view>

#include "app/Language.h"
#include "game/Player.h"
#include "records/Settings.h"

namespace halmora {
namespace {

constexpr PlayerColor kYellow = 0;
constexpr PlayerColor kPurple = 1;
constexpr PlayerColor kBlue = 2;
constexpr PlayerColor kRed = 3;
constexpr PlayerColor kOrange = 4;
constexpr PlayerColor kGreen = 5;

// The seats as the page lists them, with their combo names and labels.
struct SeatRow {
    PlayerColor colour;
    const char* objectName;
    const char* label;
};

// clang-format off
constexpr SeatRow kSeatRows[kColorCount] = {
    {kRed,    "combo1030", QT_TRANSLATE_NOOP("PlayerSetupPage", "红色:")},
    {kOrange, "combo1031", QT_TRANSLATE_NOOP("PlayerSetupPage", "橙色:")},
    {kGreen,  "combo1032", QT_TRANSLATE_NOOP("PlayerSetupPage", "绿色:")},
    {kYellow, "combo1033", QT_TRANSLATE_NOOP("PlayerSetupPage", "黄色:")},
    {kPurple, "combo1034", QT_TRANSLATE_NOOP("PlayerSetupPage", "紫色:")},
    {kBlue,   "combo1035", QT_TRANSLATE_NOOP("PlayerSetupPage", "蓝色:")},
};

constexpr PlayerType Off = kSeatEmpty;
constexpr PlayerType Hum = kSeatHuman;
constexpr PlayerType Nov = kSeatNovice;
constexpr PlayerType Adv = kSeatNovice + 2;

// Quick setups in list order; the types are in the order of kSeatRows (Red .. Blue).
struct QuickSetup {
    const char* text;
    PlayerType types[kColorCount];
};

constexpr QuickSetup kQuickSetups[] = {
    {QT_TRANSLATE_NOOP("PlayerSetupPage", "自定义游戏 "),                     {Off, Off, Off, Off, Off, Off}},
    {QT_TRANSLATE_NOOP("PlayerSetupPage", "一个人类玩家对一个电脑玩家(初)"),   {Hum, Off, Off, Nov, Off, Off}},
    {QT_TRANSLATE_NOOP("PlayerSetupPage", "一个人类玩家对两个电脑玩家(初)"),   {Hum, Off, Nov, Off, Nov, Off}},
    {QT_TRANSLATE_NOOP("PlayerSetupPage", "一个人类玩家对三个电脑玩家(初)"),   {Hum, Nov, Nov, Nov, Off, Off}},
    {QT_TRANSLATE_NOOP("PlayerSetupPage", "一个人类玩家对五个电脑玩家(初)"),   {Hum, Nov, Nov, Nov, Nov, Nov}},
    {QT_TRANSLATE_NOOP("PlayerSetupPage", "一个人类玩家对一个电脑玩家(高级)"), {Hum, Off, Off, Adv, Off, Off}},
    {QT_TRANSLATE_NOOP("PlayerSetupPage", "一个人类玩家对两个电脑玩家(高级)"), {Hum, Off, Adv, Off, Adv, Off}},
    {QT_TRANSLATE_NOOP("PlayerSetupPage", "一个人类玩家对三个电脑玩家(高级)"), {Hum, Adv, Adv, Adv, Off, Off}},
    {QT_TRANSLATE_NOOP("PlayerSetupPage", "一个人类玩家对五个电脑玩家(高级)"), {Hum, Adv, Adv, Adv, Adv, Adv}},
};
// clang-format on

// The most characters of a combo text compared with the type names.
constexpr int kMaxComboText = 254;

QString TypeName(PlayerType type) {
    const SeatType* row = FindSeatType(type);
    return row ? GameText(std::string(row->shown).c_str()) : QString();
}

// Selects the first entry starting with text, ignoring case; none when there is no such entry.
void SelectByPrefix(QComboBox& combo, const QString& text) {
    combo.setCurrentIndex(text.isEmpty() ? -1 : combo.findText(text, Qt::MatchStartsWith));
}

}  // namespace

CPlayerSetupPage::CPlayerSetupPage(QWidget* parent, CAppSettings& settings)
    : CSettingsPage(parent, settings) {
    auto* grid = new QGridLayout(this);

    grid->addWidget(
        new QLabel(QCoreApplication::translate("PlayerSetupPage", "快速游戏设置:"), this), 0, 0);
    quickSetup_ = new QComboBox(this);
    quickSetup_->setObjectName(QStringLiteral("combo1026"));
    for (const QuickSetup& setup : kQuickSetups)
        quickSetup_->addItem(QCoreApplication::translate("PlayerSetupPage", setup.text));
    // The whole list drops down at once.
    quickSetup_->setMaxVisibleItems(quickSetup_->count());
    grid->addWidget(quickSetup_, 0, 1);

    grid->addWidget(new QLabel(QCoreApplication::translate("PlayerSetupPage", "玩家类型:"), this),
                    1, 0, 1, 2);
    for (int row = 0; row < kColorCount; ++row) {
        const SeatRow& seat = kSeatRows[row];
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(seat.objectName));
        // Every type a seat can have; the network type is never offered.
        for (PlayerType type = kSeatEmpty; type <= kSeatMaster; ++type)
            combo->addItem(TypeName(type));
        combo->setMaxVisibleItems(combo->count());
        grid->addWidget(
            new QLabel(QCoreApplication::translate("PlayerSetupPage", seat.label), this), row + 2,
            0);
        grid->addWidget(combo, row + 2, 1);
        seatCombos_[seat.colour] = combo;
    }

    auto* note = new QLabel(QCoreApplication::translate(
                                "PlayerSetupPage", "* 玩家将会被要求在游戏启动时输入他们的名字。"),
                            this);
    note->setWordWrap(true);
    grid->addWidget(note, kColorCount + 2, 0, 1, 2);
    grid->setRowStretch(kColorCount + 3, 1);

    // activated: the user chose an entry, even the one already shown; currentIndexChanged: any
    // other change. Applying a setup twice does no harm.
    connect(quickSetup_, &QComboBox::activated, this, &CPlayerSetupPage::QuickSetupChosen);
    connect(quickSetup_, &QComboBox::currentIndexChanged, this,
            &CPlayerSetupPage::QuickSetupChosen);
}

void CPlayerSetupPage::Fill(const CSettings& settings) {
    {
        // Showing the custom entry must not clear the seats just read.
        const QSignalBlocker blocker(quickSetup_);
        quickSetup_->setCurrentIndex(0);
    }
    for (PlayerColor colour = 0; colour < kColorCount; ++colour)
        SelectByPrefix(*seatCombos_[colour], TypeName(settings.PlayerType[colour]));
}

void CPlayerSetupPage::QuickSetupChosen() {
    const QString chosen = quickSetup_->currentText();
    for (const QuickSetup& setup : kQuickSetups) {
        if (chosen != QCoreApplication::translate("PlayerSetupPage", setup.text))
            continue;
        for (int row = 0; row < kColorCount; ++row)
            SelectByPrefix(*seatCombos_[kSeatRows[row].colour], TypeName(setup.types[row]));
        return;
    }
}

void CPlayerSetupPage::Apply(CSettings& settings) const {
    for (PlayerColor colour = 0; colour < kColorCount; ++colour) {
        const QString text = seatCombos_[colour]->currentText().left(kMaxComboText);
        for (PlayerType type = kSeatEmpty; type <= kSeatNetwork; ++type) {
            if (text == TypeName(type)) {
                settings.PlayerType[colour] = type;
                break;
            }
        }
    }
}

}  // namespace halmora
