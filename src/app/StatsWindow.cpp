#include "app/StatsWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/MessageBoxes.h"
#include "records/Rating.h"

namespace halmora {
namespace {

constexpr char kStatsCaption[] = QT_TRANSLATE_NOOP("StatsWindow", "Player Statistics");
constexpr char kNotDeletedCaption[] = QT_TRANSLATE_NOOP("StatsWindow", "Player Record Not Deleted");

// A message of the window in the chosen language, with its %1 filled in.
std::string Message(const char* text, const std::string& arg = {}) {
    QString message = QCoreApplication::translate("StatsWindow", text);
    if (message.contains(QStringLiteral("%1")))
        message = message.arg(QString::fromStdString(arg));
    return message.toStdString();
}

// 380 x 190 dialog units, widened so that the longest totals line is not cut at the edge.
constexpr int kWindowWidth = 660;
constexpr int kWindowHeight = 310;

// clang-format off
const QRect kListRect        ( 10,  10, 350, 290);  // (10, 10)-(360, 300)
const QRect kLabelRect       (380,  10, 170,  18);
const QRect kComboRect       (380,  30, 170,  24);
const QRect kDeleteButtonRect(380, 262,  80,  28);
const QRect kCloseButtonRect (470, 262,  80,  28);
// The totals lines: (380, 65)-(550, 90) and the next three below it.
constexpr int kTotalsLeft = 380, kTotalsTop = 65, kTotalsWidth = 170, kTotalsLineHeight = 25;
// clang-format on

constexpr int kDateColumn = 0;
constexpr int kWideDateColumn = 140;
// Room for the vertical scroll bar, which a list of this many rows needs.
constexpr int kNarrowDateColumn = 123;
constexpr int kRowsBeforeScrollBar = 14;
constexpr int kRowHeight = 20;
// The list's font size, at which a date fits the narrow column.
constexpr int kListFontPixels = 11;

// 16 points at 96 dots per inch; pixels keep the lines in their fixed rectangles on any screen.
constexpr int kTotalsFontPixels = 21;

constexpr int64_t kDayMs = 24 * 60 * 60 * 1000;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

std::string_view Bytes(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// "dd/mm/yyyy hh:mmAM" on a 12-hour clock whose hour 0 shows as 00. A start before midnight
// (a game that ran into the record's day) is shown on the day before.
QString DateText(const GameRecord& record) {
    int64_t start = record.startMs;
    const int64_t dayShift = (start >= 0 ? start : start - (kDayMs - 1)) / kDayMs;
    start -= dayShift * kDayMs;
    long long day = record.day;
    long long month = static_cast<long long>(record.month) + 1;
    long long year = record.year;
    if (dayShift != 0) {
        // Values from a damaged file are shown as they are.
        const QDate date = QDate(record.year, static_cast<int>(month), record.day);
        if (date.isValid()) {
            const QDate shifted = date.addDays(dayShift);
            day = shifted.day();
            month = shifted.month();
            year = shifted.year();
        }
    }
    const long long hours = start / (60 * 60 * 1000);
    const long long minutes = start / (60 * 1000) % 60;
    return QString::asprintf("%02lld/%02lld/%lld %02lld:%02lld", day, month, year,
                             hours > 12 ? hours - 12 : hours, minutes) +
           (hours < 12 ? QCoreApplication::translate("StatsWindow", "AM")
                       : QCoreApplication::translate("StatsWindow", "PM"));
}

// The rating after the game with its change against the rating it started from; with no rating
// to compare, no change is shown.
QString RatingText(int32_t rating, std::optional<int32_t> older) {
    const long long change = older ? static_cast<long long>(rating) - *older : 0;
    if (change > 0)
        return QString::asprintf("%d (+%lld)", rating, change);
    if (change < 0)
        return QString::asprintf("%d (%lld)", rating, change);
    return QString::asprintf("%d (0)", rating);
}

std::optional<int32_t> RatingIn(const GameRecord& record, std::string_view name) {
    const int p = record.ParticipantIndex(name);
    if (p < 0)
        return std::nullopt;
    return record.participants[p].rating;
}

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

double Percent(int32_t part, int32_t whole) {
    return whole > 0 ? 100.0 * part / whole : 0.0;
}

}  // namespace

CStatsWindow::CStatsWindow(QWidget* parent, CAppSettings& settings,
                           std::optional<GbkName> playerName, StatsDatabase* stats)
    : QDialog(parent), stats_(stats ? *stats : ownStats_), settings_(settings) {
    setWindowTitle(QCoreApplication::translate("StatsWindow", "游戏统计 "));
    setFixedSize(kWindowWidth, kWindowHeight);

    closeButton_ = new QPushButton(QCoreApplication::translate("StatsWindow", "关闭"), this);
    closeButton_->setObjectName("button1054");
    closeButton_->setGeometry(kCloseButtonRect);
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &CStatsWindow::Close);

    deleteButton_ = new QPushButton(QCoreApplication::translate("StatsWindow", "删除玩家"), this);
    deleteButton_->setObjectName("button2");
    deleteButton_->setGeometry(kDeleteButtonRect);
    // Return must never start a deletion.
    deleteButton_->setAutoDefault(false);
    connect(deleteButton_, &QPushButton::clicked, this, &CStatsWindow::DeletePlayer);

    auto* label = new QLabel(QCoreApplication::translate("StatsWindow", "请选择你的名字:"), this);
    label->setGeometry(kLabelRect);

    players_ = new QComboBox(this);
    players_->setObjectName("combo1075");
    players_->setGeometry(kComboRect);
    connect(players_, &QComboBox::currentIndexChanged, this, &CStatsWindow::SelectPlayer);

    shown_ = settings_->StatsPlayer;
    loadStatus_ = stats_.Refresh();
    FillCombo();
    if (playerName)
        shown_ = *playerName;
    SelectStatsPlayerInCombo();

    list_ = new QTableWidget(0, 4, this);
    list_->setObjectName("list95001");
    list_->setGeometry(kListRect);
    QFont listFont = list_->font();
    listFont.setPixelSize(kListFontPixels);
    list_->setFont(listFont);
    list_->setHorizontalHeaderLabels({QCoreApplication::translate("StatsWindow", "Date"),
                                      QCoreApplication::translate("StatsWindow", "Opponents"),
                                      QCoreApplication::translate("StatsWindow", "Rating"),
                                      QCoreApplication::translate("StatsWindow", "Result")});
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->horizontalHeader()->setStretchLastSection(false);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setMinimumSectionSize(kRowHeight);
    list_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    list_->setShowGrid(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The columns fill the list exactly; a frame's width of overhang is not worth a scroll bar.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setColumnWidth(0, kWideDateColumn);
    list_->setColumnWidth(1, 75);
    list_->setColumnWidth(2, 85);
    list_->setColumnWidth(3, 50);
    FillList();

    if (!loadStatus_.Ok())
        ShowMessageBox(parent,
                       Message(QT_TRANSLATE_NOOP("StatsWindow",
                                                 "The statistics file could not be read completely "
                                                 "(%1). Only what could be read is shown."),
                               loadStatus_.message),
                       Message(kStatsCaption));
}

QString CStatsWindow::ShownPlayer() const {
    return FromUtf8(GbkNameToUtf8(shown_));
}

QStringList CStatsWindow::PlayerNames() const {
    QStringList names;
    for (int i = 0; i < players_->count(); ++i)
        names.append(players_->itemText(i));
    return names;
}

int CStatsWindow::RowCount() const {
    return list_->rowCount();
}

QString CStatsWindow::CellText(int row, int column) const {
    const QTableWidgetItem* item = list_->item(row, column);
    return item ? item->text() : QString();
}

QStringList CStatsWindow::TotalsTexts() const {
    const PlayerEntry* entry = ShownEntry();
    if (!entry)
        return {};
    return {
        QCoreApplication::translate("StatsWindow", "Current Rating: %1").arg(entry->rating),
        QCoreApplication::translate("StatsWindow", "Games Played: %1").arg(entry->gamesPlayed),
        QCoreApplication::translate("StatsWindow", "Games Won: %1 (%2%)")
            .arg(entry->gamesWon)
            .arg(Percent(entry->gamesWon, entry->gamesPlayed), 0, 'f', 2),
        QCoreApplication::translate("StatsWindow", "Games Lost: %1 (%2%)")
            .arg(entry->gamesLost)
            .arg(Percent(entry->gamesLost, entry->gamesPlayed), 0, 'f', 2),
    };
}

void CStatsWindow::SelectPlayer(int index) {
    if (index < 0 || index >= players_->count())
        return;
    if (players_->currentIndex() != index) {
        const QSignalBlocker quiet(players_);
        players_->setCurrentIndex(index);
    }
    const QByteArray name = players_->itemData(index).toByteArray();
    shown_ = {};
    std::copy_n(name.constData(), std::min<qsizetype>(name.size(), kGbkNameBytes - 1),
                shown_.begin());
    FillList();
}

void CStatsWindow::Close() {
    settings_.Change([this](CSettings& s) { s.StatsPlayer = shown_; });
    QDialog::accept();
}

void CStatsWindow::reject() {
    Close();
}

void CStatsWindow::DeletePlayer() {
    const std::string_view name = GbkNameBytes(shown_);
    if (!AskYesNo(this,
                  Message(QT_TRANSLATE_NOOP(
                              "StatsWindow",
                              "Are you sure you want to delete all the game records for %1?"),
                          GbkNameToUtf8(shown_)),
                  Message(QT_TRANSLATE_NOOP("StatsWindow", "Confirm Player Record Deletion"))))
        return;
    // Saving what was read of a damaged file would drop every player it could not read.
    if (!loadStatus_.Ok()) {
        ShowMessageBox(this,
                       Message(QT_TRANSLATE_NOOP("StatsWindow",
                                                 "Could not delete record: the statistics file "
                                                 "could not be read completely (%1), so it is "
                                                 "left as it is."),
                               loadStatus_.message),
                       Message(kNotDeletedCaption));
        return;
    }
    const StatsStatus deleted = stats_.DeletePlayerFromFile(name);
    if (!deleted.notice.empty())
        ShowMessageBox(this, deleted.notice, Message(kStatsCaption));
    if (deleted.error == StatsError::NoSuchPlayer) {
        ShowMessageBox(this, Message(QT_TRANSLATE_NOOP("StatsWindow", "Could not delete record.")),
                       Message(kNotDeletedCaption));
        return;
    }
    if (!deleted.Ok()) {
        ShowMessageBox(this,
                       Message(QT_TRANSLATE_NOOP("StatsWindow",
                                                 "Could not delete record: the statistics file "
                                                 "could not be written (%1)."),
                               deleted.message),
                       Message(kNotDeletedCaption));
        return;
    }
    ShowMessageBox(this, Message(QT_TRANSLATE_NOOP("StatsWindow", "Record has been deleted.")),
                   Message(QT_TRANSLATE_NOOP("StatsWindow", "Player Record Deleted")));

    FillCombo();
    shown_ = {};
    if (players_->count() > 0)
        SelectPlayer(0);
    else
        FillList();
}

void CStatsWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    const QStringList lines = TotalsTexts();
    if (lines.isEmpty())
        return;
    QPainter dc(this);
    QFont font("Arial");
    font.setPixelSize(kTotalsFontPixels);
    dc.setFont(font);
    dc.setPen(palette().color(QPalette::WindowText));
    for (int i = 0; i < lines.size(); ++i) {
        const QRect rect(kTotalsLeft, kTotalsTop + i * kTotalsLineHeight, kTotalsWidth,
                         kTotalsLineHeight);
        // Percentages make a line longer than its rectangle; the window leaves room for it.
        dc.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                    lines[i]);
    }
}

void CStatsWindow::FillCombo() {
    struct Name {
        QString shown;
        QByteArray gbk;
    };
    std::vector<Name> names;
    for (int32_t i = 0; i < stats_.Count(); ++i) {
        const PlayerEntry& entry = stats_.Entry(i);
        const std::string_view gbk = entry.Name();
        names.push_back({FromUtf8(GbkNameToUtf8(entry.name)),
                         QByteArray(gbk.data(), static_cast<qsizetype>(gbk.size()))});
    }
    // Alphabetical regardless of case; the exact bytes settle ties so the order is always the same.
    std::sort(names.begin(), names.end(), [](const Name& a, const Name& b) {
        if (const int c = a.shown.compare(b.shown, Qt::CaseInsensitive); c != 0)
            return c < 0;
        return a.gbk < b.gbk;
    });
    const QSignalBlocker quiet(players_);
    players_->clear();
    for (const Name& name : names)
        players_->addItem(name.shown, name.gbk);
}

void CStatsWindow::SelectStatsPlayerInCombo() {
    const std::string_view shown = GbkNameBytes(shown_);
    const QSignalBlocker quiet(players_);
    players_->setCurrentIndex(-1);
    for (int i = 0; i < players_->count(); ++i) {
        if (Bytes(players_->itemData(i).toByteArray()) == shown) {
            players_->setCurrentIndex(i);
            break;
        }
    }
}

const PlayerEntry* CStatsWindow::ShownEntry() const {
    const std::string_view name = GbkNameBytes(shown_);
    if (name.empty())
        return nullptr;
    return stats_.Find(name);
}

void CStatsWindow::FillList() {
    list_->setRowCount(0);
    const PlayerEntry* entry = ShownEntry();
    if (entry) {
        const std::vector<GameRecord>& records = entry->records;
        const int rows = static_cast<int>(records.size());
        list_->setColumnWidth(kDateColumn,
                              rows >= kRowsBeforeScrollBar ? kNarrowDateColumn : kWideDateColumn);
        list_->setRowCount(rows);
        for (int r = 0; r < rows; ++r) {
            const GameRecord& record = records[r];
            const std::optional<int32_t> rating = RatingIn(record, entry->Name());
            // The player's first game started from the new player's rating.
            const std::optional<int32_t> older = r + 1 < rows
                                                     ? RatingIn(records[r + 1], entry->Name())
                                                     : std::optional<int32_t>(kNewPlayerRating);
            const int p = record.ParticipantIndex(entry->Name());
            list_->setItem(r, 0, Cell(DateText(record)));
            list_->setItem(r, 1, Cell(QString::asprintf("%d", record.count - 1)));
            // A record without the player's name comes only from a damaged file.
            list_->setItem(r, 2, Cell(rating ? RatingText(*rating, older) : QString()));
            list_->setItem(
                r, 3,
                Cell(p < 0 ? QString()
                           : (record.participants[p].place == 0
                                  ? QCoreApplication::translate("StatsWindow", "Win")
                                  : QCoreApplication::translate("StatsWindow", "Loss"))));
        }
    } else {
        list_->setColumnWidth(kDateColumn, kWideDateColumn);
    }
    update();
}

}  // namespace halmora
