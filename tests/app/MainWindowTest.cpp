// The main window driven as a player would: commands, real mouse events on the board area, the
// dialogs of a new game, menus and toolbar following the game, the status panes, saving and
// loading, and the end of a game with the statistics window and the question for another.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <functional>
#include <memory>

#include "ai/Suggestion.h"
#include "app/AboutDialog.h"
#include "app/AppFixtures.h"
#include "app/BoardSettingsSheet.h"
#include "app/CommandIds.h"
#include "app/GameToolBar.h"
#include "app/HelpLinks.h"
#include "app/MainWindow.h"
#include "app/NewGameSheet.h"
#include "app/PlayerNameDialog.h"
#include "app/PlayerPickerDialog.h"
#include "app/SessionSignals.h"
#include "app/SplashWindow.h"
#include "app/StatsWindow.h"
#include "app/WallpaperDialog.h"
#include "app/WindowPlacement.h"
#include "board/BoardGeometry.h"
#include "board/HoleDistance.h"
#include "board/Move.h"
#include "board/MoveGenerator.h"
#include "game/ComputerPlayer.h"
#include "game/HumanPlayer.h"
#include "records/Rating.h"
#include "support/FakeCanvas.h"
#include "support/FakeHost.h"
#include "support/FakeTicks.h"
#include "view/MoveMarks.h"

namespace halmora {
namespace {

using testing::AppFolderScope;
using testing::LinkGameFiles;
using testing::MessageScript;
using testing::ScopedFakeTicks;
using testing::WhenModalShows;

constexpr PlayerColor kYellow = 0;
constexpr PlayerColor kRed = 3;

struct Seat {
    PlayerColor colour;
    PlayerType type;
    const char* name;
};

// A saved game made by the game itself; `arrange` may change the board before it is saved. The
// turn starts with the first seat given.
std::filesystem::path MakeSavedGame(const std::filesystem::path& path,
                                    const std::vector<Seat>& seats,
                                    const std::function<void(CGame&)>& arrange = {}) {
    for (int start = 0; start < kColorCount; ++start) {
        testing::FakeHost host;
        testing::FakeCanvas canvas;
        CGame game(host);
        for (const Seat& seat : seats) {
            const GbkName name = ToGbkName(seat.name);
            if (seat.type == kSeatHuman)
                game.AddPlayer(
                    std::make_unique<CHumanPlayer>(seat.colour, seat.type, GbkNameBytes(name)));
            else
                game.AddPlayer(
                    std::make_unique<CComputerPlayer>(seat.colour, seat.type, GbkNameBytes(name)));
        }
        game.SetTurnStart(start);
        game.NewGame(canvas, 800, 600, kGamePlaying, 0, 0);
        if (game.CurrentColour() != seats.front().colour)
            continue;
        if (arrange)
            arrange(game);
        std::string error;
        EXPECT_TRUE(game.Save(path, error)) << error;
        return path;
    }
    ADD_FAILURE() << "no turn start gives the first seat the first move";
    return path;
}

// Red with nine marbles home and the tenth one step away from its last free target hole.
void OneStepFromHome(CGame& game) {
    CGameBoard& board = *game.Board();
    for (int i = 0; i < kPlaceCount; ++i) {
        HoleRecord& hole = board.Hole(i % kGridSize, i / kGridSize);
        if (hole.occupant == kRed)
            hole.occupant = kNoColor;
    }
    const PlayerColor target = board.TargetColour(kRed);
    const auto& zone = board.ZoneList(target);
    for (int k = kTriangleHoles - 1; k >= 0; --k) {
        for (int dir = 0; dir < 6; ++dir) {
            const Place n = Neighbour(zone[k], dir);
            if (!InsideGrid(n) || !board.Hole(n).isHole || board.Hole(n).zone == target ||
                board.Hole(n).occupant != kNoColor)
                continue;
            for (int j = 0; j < kTriangleHoles; ++j) {
                if (j != k) {
                    board.Hole(zone[j]).occupant = kRed;
                }
            }
            board.Hole(zone[k]).occupant = kNoColor;
            board.Hole(n).occupant = kRed;
            return;
        }
    }
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        LinkGameFiles(folder.Path());
        NewWindow();
    }
    void TearDown() override {
        SetFileDialogFunction(nullptr);
        messages.defaultAnswer = MessageAnswer::Yes;
        window.reset();
    }

    void Open(const std::filesystem::path& path) {
        SetFileDialogFunction([path](QWidget*, bool) { return path.string(); });
        window->Command(kCmdOpenGame);
        SetFileDialogFunction(nullptr);
    }
    // Ann (Red, to move) against Bob (Yellow), both human.
    void OpenTwoHumans() {
        Open(MakeSavedGame(folder.Path() / "two.hlm",
                           {{kRed, kSeatHuman, "Ann"}, {kYellow, kSeatHuman, "Bob"}}));
    }
    void NewWindow(int width = 1000, int height = 760) {
        window = std::make_unique<CMainWindow>(settings);
        window->resize(width, height);
        window->show();
        window->CreateControls();
        QCoreApplication::processEvents();
    }

    // Ticks the game (and the clocks by `stepMs`) until the condition holds; false if it never
    // does within the given number of ticks.
    bool TickUntil(const std::function<bool()>& done, int ticks = 20000, uint32_t stepMs = 40) {
        for (int i = 0; i < ticks; ++i) {
            if (done())
                return true;
            fakeTicks.Advance(stepMs);
            window->IdleTick();
            // Computer players think on their own threads; give them the processor.
            QThread::msleep(1);
        }
        return done();
    }

    QPoint HoleCentre(Place p) const {
        const CGameBoard& board = *window->Game()->Board();
        const PixelSize hole = window->Renderer().HoleSize();
        return {board.ScreenX(p) + hole.width / 2, board.ScreenY(p) + hole.height / 2};
    }

    // A marble of the colour to move with a single step into an empty hole.
    std::pair<Place, Place> SomeStep() const {
        const CGameBoard& board = *window->Game()->Board();
        const PlayerColor c = window->Game()->CurrentColour();
        for (int i = 0; i < kPlaceCount; ++i) {
            const Place from{i % kGridSize, i / kGridSize};
            if (board.Hole(from).occupant != c)
                continue;
            for (int dir = 0; dir < 6; ++dir) {
                const Place to = Neighbour(from, dir);
                if (InsideGrid(to) && board.Hole(to).isHole && board.Hole(to).occupant == kNoColor)
                    return {from, to};
            }
        }
        return {};
    }

    void ClickHole(Place p) {
        QTest::mouseClick(window->BoardArea(), Qt::LeftButton, Qt::NoModifier, HoleCentre(p));
    }
    void DragMarble(Place from, Place to) {
        QWidget* area = window->BoardArea();
        QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, HoleCentre(from));
        window->IdleTick();
        QTest::mouseMove(area, HoleCentre(to));
        window->IdleTick();
        QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, HoleCentre(to));
        window->IdleTick();
    }

    std::vector<int32_t> Occupants() const {
        std::vector<int32_t> all;
        const CGameBoard& board = *window->Game()->Board();
        for (int i = 0; i < kPlaceCount; ++i)
            all.push_back(board.Hole(i % kGridSize, i / kGridSize).occupant);
        return all;
    }

    // How many pixels of the board shown differ from the board drawn afresh from the model, with
    // `marks` drawn over it as the game shows them. What is shown stays as it was.
    int PixelsOffTheCleanBoard(const std::function<void(CBoardCanvas&)>& marks = {}) {
        const QImage shown = window->Renderer().Image().copy();
        window->Canvas().Paint();
        if (marks)
            marks(window->Canvas());
        const QImage clean = window->Renderer().Image().copy();
        int off = 0;
        for (int y = 0; y < clean.height(); ++y)
            for (int x = 0; x < clean.width(); ++x)
                off += shown.pixel(x, y) != clean.pixel(x, y) ? 1 : 0;
        return off;
    }

    // The board area as shown (without the foot buttons), and the same position drawn afresh
    // without the last move's marks.
    QImage Shown() const {
        QImage shown(window->BoardArea()->size(), QImage::Format_RGB32);
        window->BoardArea()->render(&shown, {}, {}, QWidget::DrawWindowBackground);
        return shown;
    }
    QImage PlainBoard() const {
        CGameBoard board;
        board.CopyFrom(*window->Game()->Board());
        for (int i = 0; i < kPlaceCount; ++i)
            board.Hole(i % kGridSize, i / kGridSize).lastMove = kNoColor;
        CBoardRenderer renderer;
        renderer.SetBoard(&board);
        renderer.SetBackgroundColor(CWallpaper::Colour(settings.Get()));
        renderer.Resize(window->BoardArea()->width(), window->BoardArea()->height());
        renderer.Paint();
        return renderer.Image();
    }
    QRect HoleRect(Place p) const {
        const CGameBoard& board = *window->Game()->Board();
        const PixelSize hole = window->Renderer().HoleSize();
        return {board.ScreenX(p), board.ScreenY(p), hole.width, hole.height};
    }
    // Pixels of the board shown that differ from the plain board: inside `rect` when one is
    // given, otherwise everywhere outside `allowed`.
    int OffThePlainBoard(const std::vector<QRect>& allowed, const QRect& rect = {}) const {
        const QImage shown = Shown(), plain = PlainBoard();
        int off = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const QPoint p(x, y);
                const bool inside = std::any_of(allowed.begin(), allowed.end(),
                                                [&](const QRect& r) { return r.contains(p); });
                if (rect.isValid() ? rect.contains(p) : !inside)
                    off += (shown.pixel(p) ^ plain.pixel(p)) & 0xFFFFFF ? 1 : 0;
            }
        return off;
    }
    // The path's holes are marked, and nothing else but the turn marble differs from the plain
    // board.
    void ExpectMarked(const Move& path) const {
        std::vector<QRect> allowed = {TurnMarbleRect()};
        for (int i = 0; i < path.count; ++i) {
            allowed.push_back(HoleRect(path.places[i]));
            EXPECT_GT(OffThePlainBoard({}, allowed.back()), 0) << "hole " << i;
        }
        EXPECT_EQ(OffThePlainBoard(allowed), 0);
    }
    QRgb TurnMarbleColour() const { return Shown().pixel(40, 25) & 0xFFFFFF; }

    bool MenuEnabled(int id) const { return window->MenuAction(id)->isEnabled(); }

    // Keys pressed on the board, in the active window, as the player types them.
    void Press(const QKeySequence& keys) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
        QTest::keySequence(window->BoardArea(), keys);
        QCoreApplication::processEvents();
    }
    bool ToolEnabled(int id) const { return window->ToolBar()->ActionOf(id)->isEnabled(); }

    // Changes the settings as a confirmed dialog does; a running game is told.
    void WriteSettings(const std::function<void(CSettings&)>& change) {
        ASSERT_TRUE(settings.Change(change));
        if (window && window->Game())
            window->Game()->SetOptions(GameOptionsOf(settings.Get()));
    }

    void AddPlayerToStatistics(const char* name) {
        // A player exists once a game of theirs is recorded: one won against a Novice.
        StatsDatabase stats;
        stats.Load();
        RecordSeat human;
        human.name = ToGbkName(name);
        human.colour = kRed;
        RecordSeat computer;
        computer.seatType = kSeatNovice;
        computer.colour = kYellow;
        computer.startRating = LevelRating(kSeatNovice);
        computer.place = 1;
        const std::vector<RecordSeat> seats = {computer, human};
        const std::optional<GameRecord> record =
            BuildGameRecord(seats, RecordTime{6, 11, 2026, 36000000}, 600000);
        ASSERT_TRUE(record.has_value());
        stats.AddGameRecord(*record);
        ASSERT_TRUE(stats.Save().Ok());
    }

    ScopedFakeTicks fakeTicks{100000};
    AppFolderScope folder{"halmora-mainwindow"};
    MessageScript messages;
    CAppSettings settings;
    std::unique_ptr<CMainWindow> window;
};

TEST_F(MainWindowTest, StartsWithOnlyNewGameEnabled) {
    window->IdleTick();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Halmora 汉化版    "));
    EXPECT_TRUE(MenuEnabled(kCmdNewGame) && MenuEnabled(kCmdOpenGame));
    for (int id : {kCmdNewGame, kCmdViewStatistics, kCmdHelp})
        EXPECT_TRUE(ToolEnabled(id)) << id;
    for (int id : {kCmdRestart, kCmdUndo, kCmdRedo, kCmdSuggest, kCmdForce})
        EXPECT_FALSE(MenuEnabled(id) || ToolEnabled(id)) << id;
    for (int id : {kCmdSaveGame, kCmdPause, kCmdContinue, kCmdRotateLeft, kCmdRotateRight})
        EXPECT_FALSE(MenuEnabled(id)) << id;
    EXPECT_TRUE(window->FootButton(kCmdShowGameInfo)->isHidden());
    EXPECT_EQ(window->ToolBar()->ButtonOf(kCmdNewGame)->size(), QSize(52, 52));
    EXPECT_EQ(window->MenuAction(kCmdPause)->text(), QString::fromUtf8("暂停游戏      "));
    EXPECT_EQ(window->MenuAction(kCmdRotateRight)->text(),
              QString::fromUtf8("转动棋盘向右            "));
    // Without a game the board area shows the plain colour of the settings.
    const QImage shown = window->BoardArea()->grab().toImage();
    EXPECT_EQ(shown.pixel(200, 200) & 0xFFFFFF, qRgb(16, 11, 218) & 0xFFFFFF);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindowTest, NewGameThroughTheDialogsStartsOneHumanAgainstComputers) {
    AddPlayerToStatistics("Ann");
    bool pickerShown = false;
    WhenModalShows<CNewGameSheet>([&](CNewGameSheet& sheet) {
        auto* quick = sheet.findChild<QComboBox*>("combo1026");
        ASSERT_NE(quick, nullptr);
        quick->setCurrentIndex(3);  // one human against three Novices
        emit quick->activated(3);
        WhenModalShows<CPlayerPickerDialog>([&](CPlayerPickerDialog& picker) {
            pickerShown = true;
            auto* names = picker.findChild<QComboBox*>("combo1085");
            ASSERT_NE(names, nullptr);
            names->setCurrentIndex(names->findText("Ann"));
            QTest::mouseClick(picker.findChild<QPushButton*>("button1086"), Qt::LeftButton);
        });
        QTest::mouseClick(sheet.findChild<QPushButton*>("buttonOk"), Qt::LeftButton);
    });
    window->Command(kCmdNewGame);

    EXPECT_TRUE(pickerShown);
    ASSERT_NE(window->Game(), nullptr);
    EXPECT_TRUE(window->GameReady());
    EXPECT_EQ(window->Game()->Players(), 4);
    ASSERT_NE(window->Game()->Seat(kRed), nullptr);
    EXPECT_TRUE(window->Game()->Seat(kRed)->IsHuman());
    EXPECT_EQ(GbkNameToUtf8(window->Game()->Seat(kRed)->Name()), "Ann");
    EXPECT_TRUE(MenuEnabled(kCmdRestart));
    EXPECT_TRUE(MenuEnabled(kCmdPause));
    EXPECT_FALSE(window->FootButton(kCmdRotateLeft)->isHidden());
}

TEST_F(MainWindowTest, NoOrACancelOnTheWayToAnotherGameLeavesTheRunningOneAsItWas) {
    OpenTwoHumans();
    CGame* running = window->Game();
    ASSERT_NE(running, nullptr);
    messages.answers = {MessageAnswer::No};
    window->Command(kCmdNewGame);
    EXPECT_EQ(window->Game(), running);
    window->IdleTick();
    const QString turn = window->PaneText(2);
    ASSERT_FALSE(turn.isEmpty());

    const std::filesystem::path bad = folder.Path() / "bad.hlm";
    std::ofstream(bad) << "not a saved game";
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"new game sheet",
         [] { WhenModalShows<CNewGameSheet>([](CNewGameSheet& sheet) { sheet.Cancel(); }); }},
        // With nobody in the statistics yet the name is asked for at once.
        {"name dialog",
         [] {
             WhenModalShows<CNewGameSheet>([](CNewGameSheet& sheet) {
                 WhenModalShows<CPlayerNameDialog>(
                     [](CPlayerNameDialog& names) { QTest::keyClick(&names, Qt::Key_Escape); });
                 auto* quick = sheet.findChild<QComboBox*>("combo1026");
                 quick->setCurrentIndex(1);  // one human against a Novice
                 emit quick->activated(1);
                 sheet.Ok();
             });
         }},
        {"file dialog", [] { SetFileDialogFunction([](QWidget*, bool) { return std::nullopt; }); }},
        {"unreadable file",
         [bad] { SetFileDialogFunction([bad](QWidget*, bool) { return bad.string(); }); }},
    };
    for (const auto& [way, arrange] : ways) {
        SCOPED_TRACE(way);
        arrange();
        messages.answers = {MessageAnswer::Yes};
        window->Command(std::string_view(way).starts_with("new") ||
                                std::string_view(way).starts_with("name")
                            ? kCmdNewGame
                            : kCmdOpenGame);
        SetFileDialogFunction(nullptr);
        ASSERT_EQ(window->Game(), running);
        EXPECT_EQ(window->Game()->State(), kGamePlaying);
        EXPECT_TRUE(MenuEnabled(kCmdPause));
        EXPECT_EQ(window->PaneText(2), turn);
    }
    // Besides the five questions, only the unreadable file said something: why.
    ASSERT_EQ(messages.shown.size(), 6u);
    EXPECT_EQ(messages.shown.back().caption, "Halmora 汉化版    ");
    EXPECT_FALSE(messages.shown.back().text.empty());
}

TEST_F(MainWindowTest, HumanMovesByDragAndDropWithRealMouseEventsAndTheGameSavesAndOpens) {
    OpenTwoHumans();
    ASSERT_TRUE(window->GameReady());
    ASSERT_EQ(window->Game()->CurrentColour(), kRed);
    const auto [from, to] = SomeStep();
    DragMarble(from, to);
    ASSERT_TRUE(TickUntil([&] { return window->Game()->CurrentColour() == kYellow; }));
    EXPECT_EQ(window->Game()->Board()->Hole(from).occupant, kNoColor);
    EXPECT_EQ(window->Game()->Board()->Hole(to).occupant, kRed);
    EXPECT_EQ(window->Game()->MoveCount(), 1);
    // The moved marble is on screen where the board says it is.
    const QImage shown = window->BoardArea()->grab().toImage();
    const QPoint centre = HoleCentre(to);
    EXPECT_EQ(shown.pixel(centre), window->Renderer().Image().pixel(centre));
    EXPECT_EQ(window->PaneText(2), QString::fromUtf8("(Yellow) Bob's turn"));

    const std::vector<int32_t> board = Occupants();
    const std::filesystem::path saved = folder.Path() / "Save1.hlm";
    SetFileDialogFunction([&](QWidget*, bool save) {
        EXPECT_TRUE(save);
        return std::optional<std::string>(saved.string());
    });
    window->Command(kCmdSaveGame);
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(window->Game()->State(), kGamePlaying);
    messages.answers = {MessageAnswer::Yes};
    Open(saved);
    ASSERT_TRUE(window->GameReady());
    EXPECT_EQ(Occupants(), board);
    EXPECT_EQ(window->Game()->CurrentColour(), kYellow);
    EXPECT_EQ(window->Game()->MoveCount(), 1);
}

// Counts the 2 by 2 blocks of a picture that are not one colour: none in a picture enlarged from
// one of half the size.
int FinerBlocks(const QImage& image, const QRect& area) {
    int finer = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2)
            finer += image.pixel(x, y) != image.pixel(x + 1, y) ||
                     image.pixel(x, y) != image.pixel(x, y + 1) ||
                     image.pixel(x, y) != image.pixel(x + 1, y + 1);
    return finer;
}

// A screen of two device pixels per pixel shows the board drawn at that density, while the mouse
// still aims in board pixels; the toolbar, the cursors and the splash take their twice dense
// pictures. Runs where the screen is that dense (ctest's *_at_2x entries).
TEST_F(MainWindowTest, ADenseScreenShowsTheBoardAtItsDensity) {
    if (qApp->devicePixelRatio() != 2)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    OpenTwoHumans();
    ASSERT_TRUE(window->GameReady());
    const auto [from, to] = SomeStep();
    DragMarble(from, to);
    ASSERT_TRUE(TickUntil([&] { return window->Game()->CurrentColour() == kYellow; }));
    EXPECT_EQ(window->Game()->Board()->Hole(to).occupant, kRed);
    EXPECT_EQ(window->Renderer().Density(), 2);
    const QImage shown = window->BoardArea()->grab().toImage();
    ASSERT_EQ(shown.size(), window->BoardArea()->size() * 2);
    const QPoint centre = HoleCentre(to) * 2;
    EXPECT_EQ(shown.pixel(centre), window->Renderer().Image().pixel(centre));
    const CGameBoard& board = *window->Game()->Board();
    const QRect star(board.BoardLeft() * 2, board.BoardTop() * 2, board.BoardPixels() * 2,
                     board.BoardPixels() * 2);
    EXPECT_GT(FinerBlocks(shown, star.intersected(shown.rect())), 5000);

    const QImage button =
        window->ToolBar()->ActionOf(kCmdNewGame)->icon().pixmap(QSize(32, 30), 2.0).toImage();
    ASSERT_EQ(button.size(), QSize(64, 60));
    EXPECT_GT(FinerBlocks(button, button.rect()), 100);
    const QPixmap hand = window->Cursors().Hand().pixmap();
    EXPECT_EQ(hand.size(), QSize(64, 64));
    EXPECT_EQ(hand.devicePixelRatio(), 2.0);
    CSplashWindow splash(/*muted=*/true);
    const QImage logo = splash.grab().toImage();
    ASSERT_EQ(logo.size(), splash.size() * 2);
    EXPECT_GT(FinerBlocks(logo, logo.rect()), 10000);
}

TEST_F(MainWindowTest, StatusPanesShowTimeTurnsAndTheClockOfThePlayerToMove) {
    WriteSettings([](CSettings& s) {
        s.UseTimer = 1;
        s.InitialMinutes = 1;
        s.InitialSeconds = 5;
        s.MoveMinutes = 0;
        s.MoveSeconds = 0;
    });
    OpenTwoHumans();
    ASSERT_TRUE(window->GameReady());
    window->IdleTick();
    EXPECT_EQ(window->PaneText(0), QString("Game Time 00:00"));
    EXPECT_EQ(window->PaneText(1), QString("Turns Played: 0"));
    EXPECT_TRUE(window->PaneText(2).startsWith(QString::fromUtf8("(Red) Ann's turn")))
        << window->PaneText(2).toStdString();
    fakeTicks.Advance(545000);
    window->IdleTick();
    EXPECT_EQ(window->PaneText(0), QString("Game Time 09:05"));
}

TEST_F(MainWindowTest, ComputersPlayOnAndTurnsPlayedCountsRounds) {
    WriteSettings(
        [](CSettings& s) { s.PlayerType = {kSeatNovice, 0, kSeatNovice, 0, 0, kSeatNovice}; });
    WhenModalShows<CNewGameSheet>([](CNewGameSheet& sheet) { sheet.Ok(); });
    window->Command(kCmdNewGame);
    ASSERT_NE(window->Game(), nullptr);
    EXPECT_EQ(window->Game()->Players(), 3);
    bool forceOffered = false;
    ASSERT_TRUE(TickUntil([&] {
        forceOffered = forceOffered || MenuEnabled(kCmdForce);
        return window->Game()->MoveCount() >= 10;
    }));
    window->IdleTick();
    EXPECT_EQ(window->PaneText(1), QString("Turns Played: 3"));
    EXPECT_TRUE(forceOffered);
    EXPECT_FALSE(MenuEnabled(kCmdSuggest));  // nobody human to advise
}

TEST_F(MainWindowTest, TheEndOfAGameShowsTheStatisticsThenAsksForAnotherOverTheFinalPosition) {
    struct Ending {
        const char* name;
        std::vector<Seat> seats;
        bool quit;           // ended with the quit button once Red is home
        const char* stats;   // the first human seat in colour order
        const char* result;  // as the status bar shows it while the question is open
    };
    const Ending endings[] = {
        {"two players",
         {{kRed, kSeatHuman, "Ann"}, {kYellow, kSeatHuman, "Bob"}},
         false,
         "Bob",
         "^\\(Red\\) Ann wins$"},
        {"three players",
         {{kRed, kSeatHuman, "Ann"}, {5, kSeatHuman, "Bob"}, {1, kSeatHuman, "Cyd"}},
         true,
         "Cyd",
         "^\\(Red\\) Ann wins - 2nd \\((Green|Purple)\\) (Bob|Cyd) - 3rd \\((Green|Purple)\\) "
         "(Bob|Cyd)$"},
    };
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.name);
        messages.answers = {MessageAnswer::Yes};
        Open(MakeSavedGame(folder.Path() / "end.hlm", ending.seats, OneStepFromHome));
        ASSERT_TRUE(window->GameReady());
        const CGameBoard& board = *window->Game()->Board();
        Place from{}, to{};
        const auto& zone = board.ZoneList(board.TargetColour(kRed));
        for (const Place& p : zone)
            if (board.Hole(p).occupant == kNoColor)
                to = p;
        for (int dir = 0; dir < 6; ++dir) {
            const Place n = Neighbour(to, dir);
            if (InsideGrid(n) && board.Hole(n).isHole && board.Hole(n).occupant == kRed &&
                board.Hole(n).zone != board.TargetColour(kRed))
                from = n;
        }

        int statsRows = -1;
        QString statsPlayer;
        WhenModalShows<CStatsWindow>([&](CStatsWindow& stats) {
            statsRows = stats.RowCount();
            statsPlayer = stats.ShownPlayer();
            stats.Close();
        });
        // While the question is open the final position is still shown, with the result.
        const QPoint home = HoleCentre(to);
        QString result;
        bool finalPositionShown = false;
        SetMessageFunction([&](QWidget*, const std::string& text, const std::string& caption,
                               MessageButtons buttons) {
            messages.shown.push_back({text, caption, buttons});
            result = window->statusBar()->currentMessage();
            const QRgb shown = window->BoardArea()->grab().toImage().pixel(home);
            finalPositionShown = window->Game() != nullptr &&
                                 window->Game()->Board()->Hole(to).occupant == kRed &&
                                 (shown & 0xFFFFFF) != (qRgb(16, 11, 218) & 0xFFFFFF);
            return MessageAnswer::No;
        });
        DragMarble(from, to);
        if (ending.quit) {
            ASSERT_TRUE(TickUntil([&] { return window->FootButton(kCmdQuitGame)->isEnabled(); }));
            window->Command(kCmdQuitGame);
        }
        ASSERT_TRUE(TickUntil([&] { return window->Game() == nullptr; }));
        EXPECT_TRUE(finalPositionShown);
        EXPECT_TRUE(QRegularExpression(ending.result).match(result).hasMatch())
            << result.toStdString();
        EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());

        EXPECT_EQ(statsRows, 1);
        EXPECT_EQ(statsPlayer, QString(ending.stats));
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown.back().text, "是否你想要玩另一个游戏?             ");
        EXPECT_EQ(messages.shown.back().caption, "新的游戏");
        window->IdleTick();
        EXPECT_TRUE(MenuEnabled(kCmdNewGame));
        EXPECT_FALSE(MenuEnabled(kCmdRestart));
        EXPECT_TRUE(window->PaneText(2).isEmpty());
    }
    StatsDatabase stats;
    ASSERT_TRUE(stats.Load().Ok());
    ASSERT_NE(stats.Find(GbkNameBytes(ToGbkName("Ann"))), nullptr);
}

TEST_F(MainWindowTest, ClosingWithAGameAsksFirstWithoutTheBrokenCharacter) {
    OpenTwoHumans();
    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(window->close());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "  你现在正参与一个游戏，游戏尚未结束  你确定你想要退出吗?           ");
    EXPECT_EQ(messages.shown[0].caption, "游戏在进行      ");
    EXPECT_NE(window->Game(), nullptr);
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(window->Game(), nullptr);
}

TEST_F(MainWindowTest, ThePanelFollowsTheWindowBesideTheStarAndTheFootButtonsStayAnchored) {
    OpenTwoHumans();
    ASSERT_NE(window->InfoPanel(), nullptr);
    const CGameInfoPanel& panel = *window->InfoPanel();
    const QRect area(window->BoardArea()->mapToGlobal(QPoint(0, 0)), window->BoardArea()->size());
    const QRect star = StarRect(*window->Game()->Board()).translated(area.topLeft());
    const QRect placed = panel.frameGeometry();
    EXPECT_TRUE(area.adjusted(0, 0, 0, -50).contains(placed)) << placed.x() << "," << placed.y();
    EXPECT_FALSE(placed.intersects(star));
    window->move(window->pos() + QPoint(40, 30));
    QCoreApplication::processEvents();
    EXPECT_EQ(panel.frameGeometry(), placed.translated(40, 30));

    window->resize(1200, 900);
    QCoreApplication::processEvents();
    const int w = window->BoardArea()->width();
    const int b = window->BoardArea()->height();
    EXPECT_EQ(window->FootButton(kCmdShowGameInfo)->geometry(), QRect(w - 140, b - 50, 130, 40));
    // Opening and closing the information panel is remembered in the settings file.
    window->InfoPanel()->Close();
    window->IdleTick();
    CSettings onDisk;
    onDisk.Load();
    EXPECT_EQ(onDisk.ShowGameInfo, 0);
    EXPECT_TRUE(window->FootButton(kCmdShowGameInfo)->isEnabled());
    window->Command(kCmdShowGameInfo);
    onDisk.Load();
    EXPECT_EQ(onDisk.ShowGameInfo, 1);
    EXPECT_FALSE(window->FootButton(kCmdShowGameInfo)->isEnabled());
}

TEST_F(MainWindowTest, TheLastMoveStaysMarkedUntilTheNextMoveStartsAndTheTurnMarbleFollows) {
    Open(MakeSavedGame(folder.Path() / "marks.hlm",
                       {{kRed, kSeatHuman, "Ann"}, {kYellow, kSeatNovice, ""}}));
    window->IdleTick();
    ExpectMarked(Move{});
    EXPECT_EQ(TurnMarbleColour(), CBoardRenderer::MarbleColour(kRed) & 0xFFFFFF);

    // Dropped: the window ticks once, which records the move; Yellow has not started yet.
    const auto [from, to] = SomeStep();
    QTest::mousePress(window->BoardArea(), Qt::LeftButton, Qt::NoModifier, HoleCentre(from));
    QTest::mouseMove(window->BoardArea(), HoleCentre(to));
    QTest::mouseRelease(window->BoardArea(), Qt::LeftButton, Qt::NoModifier, HoleCentre(to));
    ASSERT_EQ(window->Game()->CurrentColour(), kYellow);
    ExpectMarked(window->Game()->Seat(kRed)->PreviousMove());
    EXPECT_EQ(TurnMarbleColour(), CBoardRenderer::MarbleColour(kYellow) & 0xFFFFFF);

    // Red's marks go as soon as Yellow's marble starts to glide; Yellow's path is marked once
    // it has arrived.
    const CPlayer& yellow = *window->Game()->Seat(kYellow);
    ASSERT_TRUE(TickUntil([&] { return yellow.MoveState() == kMoveAnimating; }));
    EXPECT_EQ(OffThePlainBoard({}, HoleRect(from)) + OffThePlainBoard({}, HoleRect(to)), 0);
    ASSERT_TRUE(TickUntil([&] { return window->Game()->CurrentColour() == kRed; }));
    ExpectMarked(yellow.PreviousMove());
    EXPECT_EQ(TurnMarbleColour(), CBoardRenderer::MarbleColour(kRed) & 0xFFFFFF);

    // Turned off in the board settings, the board is the plain board again, after moves too.
    WhenModalShows<CBoardSettingsSheet>([](CBoardSettingsSheet& sheet) {
        sheet.Tabs().setCurrentIndex(1);
        sheet.findChild<QCheckBox*>("checkMarkLastMove")->setChecked(false);
        sheet.accept();
    });
    window->Command(kCmdBoardSettings);
    EXPECT_EQ(OffThePlainBoard({}), 0);
    const auto [next, nextTo] = SomeStep();
    DragMarble(next, nextTo);
    ASSERT_TRUE(TickUntil([&] { return window->Game()->CurrentColour() == kYellow; }));
    EXPECT_EQ(OffThePlainBoard({}), 0);
}

TEST_F(MainWindowTest, TheSmallestWindowShowsTheSmallestBoardWholeAndClearOfTheFootButtons) {
    OpenTwoHumans();
    window->resize(320, 260);
    QCoreApplication::processEvents();
    const CGameBoard& board = *window->Game()->Board();
    const QWidget& area = *window->BoardArea();
    EXPECT_TRUE(area.rect().contains(
        QRect(board.BoardLeft(), board.BoardTop(), board.BoardPixels(), board.BoardPixels())));
    // Under every foot button there is only the background: no triangle, hole or marble.
    const QImage plain = PlainBoard();
    const QRgb background = plain.pixel(0, area.height() - 1);
    for (int id : {kCmdRotateRight, kCmdRotateLeft, kCmdShowGameInfo, kCmdQuitGame}) {
        const QRect button = window->FootButton(id)->geometry().intersected(plain.rect());
        int covered = 0;
        for (int y = button.top(); y <= button.bottom(); ++y)
            for (int x = button.left(); x <= button.right(); ++x)
                covered += plain.pixel(x, y) != background ? 1 : 0;
        EXPECT_EQ(covered, 0) << id;
    }
}

TEST_F(MainWindowTest, TheWindowComesBackWhereItWasKeptOnTheScreenAndNeverScreenSized) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const auto placedWindow = [&](const std::optional<WindowPlacement>& placement) {
        std::filesystem::remove(folder.Path() / "Data" / "Window.ini");
        if (placement)
            WriteWindowPlacement(*placement);
        window = std::make_unique<CMainWindow>(settings);
        window->ShowPlaced();
        QCoreApplication::processEvents();
    };
    // Left where it was, closed and started again.
    placedWindow(WindowPlacement{QRect(30, 40, 600, 450), {}, false});
    window->setGeometry(QRect(50, 60, 640, 480));
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->close());
    window = std::make_unique<CMainWindow>(settings);
    window->ShowPlaced();
    EXPECT_EQ(window->geometry(), QRect(50, 60, 640, 480));
    EXPECT_FALSE(window->isMaximized());

    // Off the screen, or larger than it: back on it, title bar included.
    const QMargins frame(3, 25, 3, 3);
    placedWindow(WindowPlacement{QRect(-3000, -2000, 640, 480), frame, false});
    EXPECT_EQ(window->geometry(), QRect(available.topLeft() + QPoint(3, 25), QSize(640, 480)));
    placedWindow(WindowPlacement{QRect(100, 100, 5000, 4000), frame, false});
    EXPECT_EQ(window->geometry(), available.marginsRemoved(frame));

    // Maximised, with a place, with the whole screen as its place (as a first run leaves it)
    // or with none: leaving that state gives a window smaller than the screen, on it.
    for (const auto& placement :
         {std::optional(WindowPlacement{QRect(60, 50, 600, 450), {}, true}),
          std::optional(WindowPlacement{available, {}, true}), std::optional<WindowPlacement>()}) {
        placedWindow(placement);
        EXPECT_TRUE(window->isMaximized());
        window->showNormal();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        const QRect normal = window->frameGeometry();
        EXPECT_TRUE(available.contains(normal));
        EXPECT_LT(normal.width() * normal.height(), available.width() * available.height());
        if (placement && placement->normal != available) {
            EXPECT_EQ(window->geometry(), placement->normal);
        }
    }
}

TEST_F(MainWindowTest, ChoosingAColourKeepsTheOldPictureButPaintsTheColour) {
    WriteSettings([](CSettings& s) {
        s.WallpaperMode = 1;
        const std::string file = "Wallpapers/Green Felt.bmp";
        std::copy(file.begin(), file.end(), s.WallpaperFile.begin());
    });
    NewWindow(900, 700);
    ASSERT_TRUE(window->HasWallpaperPicture());
    const QImage felt = window->BoardArea()->grab().toImage();

    CWallpaperDialog::SetColorPicker(
        [](QWidget*, QColor) { return std::optional<QColor>(QColor(200, 30, 40)); });
    WhenModalShows<CWallpaperDialog>([](CWallpaperDialog& dialog) {
        dialog.ChooseEntry(0);
        dialog.ChangeColor();
        dialog.accept();
    });
    window->Command(kCmdChooseWallpaper);
    CWallpaperDialog::SetColorPicker(nullptr);

    EXPECT_EQ(window->Settings().WallpaperMode, 0);
    EXPECT_TRUE(window->HasWallpaperPicture());
    const QImage shown = window->BoardArea()->grab().toImage();
    EXPECT_NE(shown.pixel(300, 300), felt.pixel(300, 300));
    EXPECT_EQ(shown.pixel(300, 300) & 0xFFFFFF, qRgb(200, 30, 40) & 0xFFFFFF);
}

TEST_F(MainWindowTest, EscapeLetsGoOfAPathKeysDoNothingWithShortcutsOffAndADoubleClickIsAPress) {
    OpenTwoHumans();
    // In click mode a move is its marble, the holes of its path, and the last hole again.
    WriteSettings([](CSettings& s) { s.MouseMode = 1; });
    const auto [from, to] = SomeStep();
    const QImage unmarked = window->Renderer().Image().copy();
    ClickHole(from);
    ClickHole(to);
    ASSERT_NE(window->Renderer().Image(), unmarked);  // the path is marked
    Press(QKeySequence(Qt::Key_Escape));              // as the right button does
    EXPECT_EQ(window->Renderer().Image(), unmarked);
    // The path is gone: its last hole clicked again moves nothing.
    ClickHole(to);
    window->IdleTick();
    EXPECT_EQ(window->Game()->Board()->Hole(to).occupant, kNoColor);
    EXPECT_EQ(window->Game()->CurrentColour(), kRed);

    window->Command(kCmdKeyboardShortcuts);
    EXPECT_FALSE(window->MenuAction(kCmdKeyboardShortcuts)->isChecked());
    EXPECT_TRUE(window->MenuAction(kCmdUndo)->shortcut().isEmpty());
    CSettings onDisk;
    onDisk.Load();
    EXPECT_FALSE(KeyboardShortcutsOn(onDisk));
    const std::vector<int32_t> before = Occupants();
    for (const char* keys : {"Esc", "Return", "Z", "F1", "Space", "H", "P", "Ctrl+S", "Ctrl+Left"})
        Press(QKeySequence(QString::fromLatin1(keys)));
    window->IdleTick();
    EXPECT_EQ(Occupants(), before);
    EXPECT_EQ(window->Game()->State(), kGamePlaying);
    EXPECT_FALSE(window->Game()->SuggestionShown());

    // The window system turns the second press of a double click into a double click event,
    // which must reach the game as that press.
    ClickHole(from);
    ClickHole(to);
    EXPECT_EQ(window->Game()->Board()->Hole(to).occupant, kNoColor);
    QTest::mouseDClick(window->BoardArea(), Qt::LeftButton, Qt::NoModifier, HoleCentre(to));
    ASSERT_TRUE(TickUntil([&] { return window->Game()->CurrentColour() == kYellow; }));
    EXPECT_EQ(window->Game()->Board()->Hole(to).occupant, kRed);
}

TEST_F(MainWindowTest, EachShortcutReachesItsCommandOnlyWhileTheCommandIsEnabled) {
    std::ofstream(folder.Path() / "Data" / "hlmhelp.html") << "<html></html>";
    SetUrlOpener([](const QUrl&) { return true; });
    OpenTwoHumans();
    SetFileDialogFunction([](QWidget*, bool) { return std::nullopt; });
    // Steps in order, each on the game the steps before it left. Questions are answered no.
    const auto closeStats = [] {
        WhenModalShows<CStatsWindow>([](CStatsWindow& stats) { stats.Close(); });
    };
    const auto state = [this](int32_t expected) {
        return [this, expected] { EXPECT_EQ(window->Game()->State(), expected); };
    };
    const auto moves = [this](int32_t expected) {
        return [this, expected] {
            EXPECT_TRUE(TickUntil([&] { return window->Game()->State() == kGamePlaying; }));
            EXPECT_EQ(window->Game()->MoveCount(), expected);
        };
    };
    const auto move = [this] {
        const auto [from, to] = SomeStep();
        DragMarble(from, to);
        ASSERT_TRUE(TickUntil([&] { return window->Game()->MoveCount() == 1; }));
    };
    struct Step {
        int id;
        bool triggers;
        std::function<void()> before, after;
    };
    const Step steps[] = {
        {kCmdUndo, false, {}, {}},
        {kCmdRedo, false, {}, {}},
        {kCmdForce, false, {}, {}},
        {kCmdSuggest, true, {}, [this] { EXPECT_TRUE(window->Game()->SuggestionShown()); }},
        {kCmdRotateLeft, true, {}, {}},
        {kCmdRotateRight, true, {}, {}},
        {kCmdSaveGame, true, {}, state(kGamePlaying)},
        {kCmdOpenGame, true, {}, {}},
        {kCmdNewGame, true, {}, {}},
        {kCmdViewStatistics, true, closeStats, {}},
        {kCmdExit, true, {}, [this] { EXPECT_TRUE(window->isVisible()); }},
        {kCmdHelp, true, {}, {}},
        {kCmdPause, true, {}, state(kGamePaused)},
        {kCmdSuggest, false, {}, {}},
        {kCmdSaveGame, false, {}, {}},
        {kCmdRotateLeft, false, {}, {}},
        {kCmdContinue, true, {}, state(kGamePlaying)},
        {kCmdUndo, true, move, moves(0)},
        {kCmdRedo, true, {}, moves(1)},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.id);
        if (step.before)
            step.before();
        QSignalSpy triggered(window->MenuAction(step.id), &QAction::triggered);
        const QList<QKeySequence> keys = ShortcutsOf(step.id);
        ASSERT_FALSE(keys.isEmpty());
        Press(keys.front());
        window->IdleTick();
        EXPECT_EQ(triggered.count(), step.triggers ? 1 : 0);
        if (step.after)
            step.after();
    }

    // Force is for a computer that is thinking.
    messages.answers = {MessageAnswer::Yes};
    Open(MakeSavedGame(folder.Path() / "novices.hlm",
                       {{kYellow, kSeatNovice, "Cyd"}, {kRed, kSeatNovice, "Dan"}}));
    ASSERT_TRUE(TickUntil([&] { return MenuEnabled(kCmdForce); }));
    QSignalSpy forced(window->MenuAction(kCmdForce), &QAction::triggered);
    Press(ShortcutsOf(kCmdForce).front());
    EXPECT_EQ(forced.count(), 1);
    SetUrlOpener(nullptr);
}

TEST_F(MainWindowTest, TheSelectionRingLeavesNothingBehind) {
    OpenTwoHumans();
    QWidget* area = window->BoardArea();
    CGameBoard& board = *window->Game()->Board();

    // A suggestion, then its marble picked up: the hole it left shows no trace of the ring.
    window->Command(kCmdSuggest);
    Candidate best;
    ASSERT_TRUE(SuggestMove(board, kRed, window->Game()->MoveCount(), best));
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, HoleCentre(best.Start()));
    board.Hole(best.Start()).marbleHidden = 1;  // the cursor carries it
    EXPECT_EQ(PixelsOffTheCleanBoard([&](CBoardCanvas& canvas) {
                  for (int i = 1; i < best.count; ++i)
                      canvas.DrawHoleDisc(kSuggestionRgb, best.places[i]);
              }),
              0);
    board.Hole(best.Start()).marbleHidden = 0;
    QTest::mouseMove(area, HoleCentre(best.End()));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, HoleCentre(best.End()));
    ASSERT_TRUE(TickUntil([&] { return window->Game()->CurrentColour() == kYellow; }));
    EXPECT_EQ(PixelsOffTheCleanBoard(), 0);

    // A move clicked hole by hole: marble, hole, the hole again.
    WriteSettings([](CSettings& s) {
        s.MouseMode = 1;
        s.FullAnimation = 0;
    });
    const auto [from, to] = SomeStep();
    for (const Place p : {from, to, to})
        ClickHole(p);
    ASSERT_TRUE(TickUntil([&] { return window->Game()->CurrentColour() == kRed; }));
    EXPECT_EQ(PixelsOffTheCleanBoard(), 0);
}

TEST_F(MainWindowTest, PauseShowsTheNoticeAndGreysTheMenusUntilContinueThroughTheMenusDialogs) {
    std::ofstream(folder.Path() / "Data" / "hlmhelp.html") << "<html></html>";
    SetUrlOpener([](const QUrl&) { return true; });
    OpenTwoHumans();
    const QImage before = window->BoardArea()->grab().toImage();
    window->Command(kCmdPause);
    EXPECT_FALSE(MenuEnabled(kCmdSaveGame));
    const QImage paused = window->BoardArea()->grab().toImage();
    // White text appears where the notice goes, a little above the bottom of the window.
    const int l = window->BoardArea()->width() / 2 - 100;
    const int y = window->BoardArea()->height() + window->BoardArea()->y() +
                  window->statusBar()->height() - 130;
    int changed = 0;
    for (int py = std::max(0, y - 2); py < std::min(paused.height(), y + 30); ++py)
        for (int px = l - 2; px < l + 250; ++px)
            changed += paused.pixel(px, py) != before.pixel(px, py) ? 1 : 0;
    EXPECT_GT(changed, 100);

    // The game stays paused, its clock stopped, after each dialog of the menus.
    const std::pair<int, std::function<void()>> dialogs[] = {
        {kCmdViewStatistics,
         [] { WhenModalShows<CStatsWindow>([](CStatsWindow& stats) { stats.Close(); }); }},
        {kCmdAbout,
         [] { WhenModalShows<CAboutDialog>([](CAboutDialog& about) { about.accept(); }); }},
        {kCmdHelp, [] {}},
    };
    for (const auto& [command, answer] : dialogs) {
        SCOPED_TRACE(command);
        answer();
        const uint32_t played = window->Game()->GameClock().Get();
        window->Command(command);
        fakeTicks.Advance(5000);
        window->IdleTick();
        EXPECT_EQ(window->Game()->State(), kGamePaused);
        EXPECT_EQ(window->Game()->GameClock().Get(), played);
        EXPECT_TRUE(MenuEnabled(kCmdContinue));
        EXPECT_FALSE(MenuEnabled(kCmdPause));
        EXPECT_TRUE(window->FootButton(kCmdRotateLeft)->isHidden());
    }
    SetUrlOpener(nullptr);
    window->Command(kCmdContinue);
    EXPECT_EQ(window->Game()->State(), kGamePlaying);
    EXPECT_TRUE(MenuEnabled(kCmdPause));
    EXPECT_FALSE(MenuEnabled(kCmdContinue));
    EXPECT_FALSE(window->FootButton(kCmdRotateLeft)->isHidden());
}

TEST_F(MainWindowTest, TheEndOfTheSessionKeepsTheGameAndTheNextStartContinuesIt) {
    OpenTwoHumans();
    const auto [from, to] = SomeStep();
    DragMarble(from, to);
    ASSERT_TRUE(TickUntil([&] { return window->Game()->CurrentColour() == kYellow; }));
    const std::vector<int32_t> board = Occupants();
    std::filesystem::remove(folder.Path() / "Data" / "Settings.dat");

    CSessionSignals session;
    ASSERT_TRUE(session.Installed());
    QObject::connect(&session, &CSessionSignals::SessionEnding, window.get(),
                     &CMainWindow::EndSession);
    ASSERT_EQ(std::raise(SIGTERM), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->SessionEnded(); }));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->Game(), nullptr);
    EXPECT_TRUE(messages.shown.empty());  // no questions
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Data" / "Settings.dat"));
    const std::filesystem::path kept = CMainWindow::InterruptedGamePath();
    ASSERT_TRUE(std::filesystem::exists(kept));
    EXPECT_EQ(kept.parent_path(), folder.Path());

    NewWindow();
    messages.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(window->OfferInterruptedGame());
    ASSERT_EQ(messages.shown.size(), 1u);
    ASSERT_TRUE(window->GameReady());
    EXPECT_EQ(Occupants(), board);
    EXPECT_EQ(window->Game()->CurrentColour(), kYellow);
    EXPECT_EQ(window->Game()->MoveCount(), 1);
    EXPECT_EQ(window->Game()->State(), kGamePlaying);
    EXPECT_FALSE(std::filesystem::exists(kept));
    EXPECT_FALSE(window->OfferInterruptedGame());
}

TEST_F(MainWindowTest, AHangupCancelsTheOpenDialogAndADeclinedGameIsKeptAside) {
    OpenTwoHumans();
    CSessionSignals session;
    QObject::connect(&session, &CSessionSignals::SessionEnding, window.get(),
                     &CMainWindow::EndSession);
    // The hangup comes while the player sets up another game.
    WhenModalShows<CNewGameSheet>([](CNewGameSheet&) { std::raise(SIGHUP); });
    messages.answers = {MessageAnswer::Yes};
    window->Command(kCmdNewGame);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->SessionEnded(); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_TRUE(std::filesystem::exists(CMainWindow::InterruptedGamePath()));

    window = std::make_unique<CMainWindow>(settings);
    window->CreateControls();
    messages.shown.clear();
    messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(window->OfferInterruptedGame());
    EXPECT_EQ(window->Game(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(CMainWindow::InterruptedGamePath()));
    // Kept under the name the question gave, for Open Game.
    ASSERT_EQ(messages.shown.size(), 1u);
    std::vector<std::string> aside;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        if (entry.path().filename().string().starts_with("Interrupted Game "))
            aside.push_back(entry.path().filename().string());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find('"' + aside[0] + '"'), std::string::npos)
        << messages.shown[0].text;
    Open(folder.Path() / aside[0]);
    EXPECT_TRUE(window->GameReady());
}

}  // namespace
}  // namespace halmora
