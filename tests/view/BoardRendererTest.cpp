#include <gtest/gtest.h>

#include <sys/wait.h>

#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ViewFixtures.h"
#include "game/SavedGameRecord.h"
#include "platform/AppFolder.h"
#include "support/Boards.h"
#include "support/TempFolder.h"
#include "view/BoardRenderer.h"
#include "view/MaskedSprite.h"
#include "view/TransparentSurface.h"

namespace halmora {
namespace {

using testing::MessageCapture;
using testing::Pixel;
using testing::Rgb;
using testing::SaveBmp;
using testing::Seats;
using testing::TempFolder;

const QRgb kBackground = Rgb(16, 11, 218);
const QRgb kHexagon = Rgb(225, 199, 149);
const QRgb kGreenDisc = Rgb(0, 255, 0);
const QRgb kYellowMarble = Rgb(255, 241, 15);
const QRgb kPurpleMarble = Rgb(183, 91, 221);

class BoardRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousFolder_ = ApplicationFolder();
        SetApplicationFolder(HALMORA_GAMEFILES);
        SetUpStartPosition(board_, Seats({0, 1, 2, 3, 4, 5}));
        renderer_.SetBoard(&board_);
        renderer_.SetBackgroundColor(QColor::fromRgb(kBackground));
        renderer_.SetChangedCallback([this](const QRect& r) { changed_.push_back(r); });
    }
    void TearDown() override { SetApplicationFolder(previousFolder_); }

    QPoint HoleCentre(Place p) const {
        const PixelSize hole = renderer_.HoleSize();
        return {board_.ScreenX(p) + hole.width / 2, board_.ScreenY(p) + hole.height / 2};
    }
    // The image's pixel at a point of the board area, at any density.
    QRgb At(QPoint p) const {
        const int d = renderer_.Density();
        return Pixel(renderer_.Image(), p.x() * d, p.y() * d);
    }
    // The middle of three mutually neighbouring holes: clear of holes, marbles and grid lines.
    QPoint Between(Place a, Place b, Place c) const {
        return (HoleCentre(a) + HoleCentre(b) + HoleCentre(c)) / 3;
    }

    std::filesystem::path previousFolder_;
    MessageCapture capture_;
    CGameBoard board_;
    CBoardRenderer renderer_;
    std::vector<QRect> changed_;
};

TEST_F(BoardRendererTest, OnlyTheHeightChoosesTheBoardSizeAndSmallAreasCutIt) {
    renderer_.Resize(2000, 599);
    EXPECT_EQ(board_.BoardSize(), 1);
    EXPECT_EQ(renderer_.Image().size(), QSize(2000, 599));
    EXPECT_EQ(board_.BoardLeft(), 800);
    renderer_.Resize(600, 600);
    EXPECT_EQ(board_.BoardSize(), 2);
    EXPECT_EQ(
        renderer_.MarbleSize().width,
        QImage(QString::fromStdString(AppFile("Graphics/600 Red Marble.bmp").string())).width());
    renderer_.Resize(600, 399);
    EXPECT_EQ(board_.BoardSize(), 0);
    EXPECT_EQ(renderer_.HoleSize().width, 10);
    EXPECT_TRUE(capture_.messages.empty()) << capture_.messages.front().text;

    // A small area cuts the board on every side.
    renderer_.Resize(300, 300);
    renderer_.Paint();
    const QImage whole = renderer_.Image();
    renderer_.Resize(200, 260);
    EXPECT_EQ(board_.BoardLeft(), -50);
    EXPECT_EQ(board_.BoardTop(), -20);
    renderer_.Paint();
    EXPECT_EQ(renderer_.Image(), whole.copy(50, 20, 200, 260));
}

TEST_F(BoardRendererTest, PaintsMarblesTrianglesHexagonAndBackground) {
    renderer_.Resize(800, 600);
    changed_.clear();
    renderer_.Paint();
    ASSERT_EQ(changed_.size(), 1u);
    EXPECT_EQ(changed_[0], QRect(0, 0, 800, 600));

    // The marble picture's own middle pixel appears at the hole's middle.
    const QImage yellow(QString::fromStdString(AppFile("Graphics/600 Yellow Marble.bmp").string()));
    const Place top{8, 1};
    ASSERT_EQ(board_.Hole(top).occupant, 0);
    const PixelSize hole = renderer_.HoleSize();
    const QPoint marbleCorner(board_.ScreenX(top) - (yellow.width() - hole.width) / 2,
                              board_.ScreenY(top) - (yellow.height() - hole.height) / 2);
    const QPoint middle(yellow.width() / 2, yellow.height() / 2);
    EXPECT_EQ(At(marbleCorner + middle), Pixel(yellow, middle.x(), middle.y()));

    EXPECT_EQ(At(Between({8, 9}, {9, 9}, {8, 10})), kHexagon);
    EXPECT_EQ(At(Between({7, 2}, {8, 2}, {8, 3})), kYellowMarble) << "the top triangle";
    EXPECT_EQ(At(Between({12, 6}, {13, 6}, {12, 5})), kPurpleMarble) << "the upper right one";
    EXPECT_EQ(At({0, 0}), kBackground);
    EXPECT_EQ(At({board_.BoardLeft() + 5, board_.BoardTop() + 5}), kBackground);
    EXPECT_EQ(At({board_.BoardLeft() + 595, board_.BoardTop() + 300}), kBackground);
}

// The screen ratios the board is drawn for: a plain screen and denser ones.
constexpr double kRatios[] = {1.0, 1.25, 2.0, 3.0};

TEST_F(BoardRendererTest, ClearingHoverHighlightsRestoresTheHolesAndCellRepaintsMatchAPaint) {
    for (const double ratio : kRatios) {
        SCOPED_TRACE(ratio);
        SetUpStartPosition(board_, Seats({0, 1, 2, 3, 4, 5}));
        renderer_.SetDevicePixelRatio(ratio);
        renderer_.Resize(800, 600);
        renderer_.Paint();
        const QImage before = renderer_.Image();
        const Place green{8, 9}, red{9, 9};
        board_.Hole(green).highlight = 100;
        renderer_.DrawHoleDisc(kPossibleTargetRgb, green);
        board_.Hole(red).highlight = 101;
        renderer_.DrawHoleDisc(kImpossibleTargetRgb, red);
        EXPECT_EQ(At(HoleCentre(green)), kGreenDisc);
        EXPECT_EQ(At(HoleCentre(red)), Rgb(255, 0, 0));
        ASSERT_FALSE(changed_.empty());
        EXPECT_TRUE(changed_.back().contains(HoleCentre(red)));

        renderer_.ClearHoverHighlights();
        EXPECT_EQ(renderer_.Image(), before);
        EXPECT_EQ(board_.Hole(green).highlight, -1);
        EXPECT_EQ(board_.Hole(red).highlight, -1);

        // Moving a marble by repainting its two holes gives what a whole paint gives.
        board_.MoveMarble({8, 1}, {8, 9});
        renderer_.DrawCell({8, 1});
        renderer_.DrawCell({8, 9});
        const QImage patched = renderer_.Image();
        renderer_.Paint();
        EXPECT_EQ(patched, renderer_.Image());
    }
}

TEST_F(BoardRendererTest, MarbleDrawnAnywhereIsRemovedByRedrawingItsRegion) {
    // Over the plain colour and over a picture, which a denser image enlarges.
    QImage wallpaper(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            wallpaper.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    for (const auto& [ratio, background] : {std::pair(1.0, QImage()), std::pair(1.25, QImage()),
                                            std::pair(2.0, wallpaper), std::pair(3.0, wallpaper)}) {
        renderer_.SetDevicePixelRatio(ratio);
        renderer_.SetBackgroundImage(background);
        renderer_.Resize(800, 600);
        renderer_.Paint();
        const QImage before = renderer_.Image();
        const PixelSize marble = renderer_.MarbleSize();
        const QPoint at = Between({8, 9}, {9, 9}, {8, 10});
        renderer_.DrawMarbleAt(at.x(), at.y(), 3);
        EXPECT_NE(renderer_.Image(), before);
        EXPECT_EQ(changed_.back(), QRect(at.x(), at.y(), marble.width, marble.height));
        renderer_.RedrawRegion(at.x(), at.y(), marble.width, marble.height);
        EXPECT_EQ(renderer_.Image(), before) << ratio;

        // Outside the star the composed board is transparent: the background comes back too.
        renderer_.DrawMarbleAt(3, 4, 0);
        EXPECT_NE(renderer_.Image(), before);
        renderer_.RedrawRegion(3, 4, marble.width, marble.height);
        EXPECT_EQ(renderer_.Image(), before) << ratio;
    }
}

// On a denser screen the image holds whole pixels per board pixel; the layout, the hit test, the
// sizes and the rectangles reported stay in board pixels. Inside, the star is smooth, but its
// outline is still cut by a one-bit mask: the star's pixels next to the background have a
// triangle's or the hexagon's colour (or, where they meet, a mix of two), blended neither with the
// background nor with the ground the star was composed on.
TEST_F(BoardRendererTest, DenseImagesKeepBoardPixelsAndAOneBitOutline) {
    for (int row = 0; row < kGridSize; ++row)
        for (int col = 0; col < kGridSize; ++col)
            board_.Hole(col, row).occupant = kNoColor;
    renderer_.Resize(700, 640);
    const PixelSize marble = renderer_.MarbleSize();
    const QPoint aim = HoleCentre({9, 9});
    Place plainHit{};
    ASSERT_TRUE(renderer_.HitTest(aim.x(), aim.y(), plainHit));
    const QRgb starColours[] = {kHexagon,         kYellowMarble,    kPurpleMarble,
                                Rgb(59, 45, 237), Rgb(232, 53, 34), Rgb(255, 134, 53),
                                Rgb(60, 217, 23)};
    const auto isStarColour = [&](QRgb c) {
        const int p[3] = {qRed(c), qGreen(c), qBlue(c)};
        for (const QRgb a : starColours) {
            for (const QRgb b : starColours) {
                const int from[3] = {qRed(a), qGreen(a), qBlue(a)};
                const int to[3] = {qRed(b), qGreen(b), qBlue(b)};
                const int k = std::abs(to[0] - from[0]) >= std::abs(to[1] - from[1]) ? 0 : 1;
                const double t =
                    to[k] == from[k] ? 0.0 : double(p[k] - from[k]) / (to[k] - from[k]);
                bool near = t >= 0.0 && t <= 1.0;
                for (int i = 0; i < 3; ++i)
                    near = near && std::abs(from[i] + t * (to[i] - from[i]) - p[i]) <= 3.0;
                if (near)
                    return true;
            }
        }
        return false;
    };
    struct Case {
        double ratio;
        int density;
    };
    for (const Case& c : {Case{1.0, 1}, Case{1.25, 2}, Case{1.5, 2}, Case{2.0, 2}, Case{3.0, 3}}) {
        SCOPED_TRACE(c.ratio);
        renderer_.SetDevicePixelRatio(c.ratio);
        renderer_.Resize(700, 640);
        EXPECT_EQ(renderer_.Density(), c.density);
        EXPECT_EQ(renderer_.Image().size(), QSize(700, 640) * c.density);
        EXPECT_EQ(renderer_.MarbleSize().width, marble.width);
        EXPECT_EQ(renderer_.MarbleSize().height, marble.height);
        Place hit{};
        EXPECT_TRUE(renderer_.HitTest(aim.x(), aim.y(), hit));
        EXPECT_EQ(hit, plainHit);
        changed_.clear();
        renderer_.Paint();
        ASSERT_EQ(changed_.size(), 1u);
        EXPECT_EQ(changed_[0], QRect(0, 0, 700, 640));
        const QImage image = renderer_.Image();
        int outline = 0, blended = 0;
        for (int y = 1; y + 1 < image.height(); ++y) {
            for (int x = 1; x + 1 < image.width(); ++x) {
                const QRgb p = Pixel(image, x, y);
                if (p == kBackground)
                    continue;
                const bool edge = Pixel(image, x - 1, y) == kBackground ||
                                  Pixel(image, x + 1, y) == kBackground ||
                                  Pixel(image, x, y - 1) == kBackground ||
                                  Pixel(image, x, y + 1) == kBackground;
                outline += edge;
                blended += edge && !isStarColour(p);
            }
        }
        EXPECT_GT(outline, 1500 * c.density);
        EXPECT_EQ(blended, 0);
    }
    EXPECT_TRUE(capture_.messages.empty());
}

TEST_F(BoardRendererTest, HitTestPrefersTheFirstHoleOnEqualScores) {
    renderer_.Resize(800, 600);
    const PixelSize marble = renderer_.MarbleSize();
    const int mw = marble.width / 2, mh = marble.height / 2;
    const Place left{8, 9}, right{9, 9};
    const int leftX = board_.ScreenX(left) + 10, rightX = board_.ScreenX(right) + 10;
    ASSERT_EQ((rightX - leftX) % 2, 0) << "the test needs an exact middle";
    const int middle = (leftX + rightX) / 2, y = board_.ScreenY(left) + 10;

    Place hit{};
    ASSERT_TRUE(renderer_.HitTest(middle - mw, y - mh, hit));
    EXPECT_EQ(hit, left);
    ASSERT_TRUE(renderer_.HitTest(middle + 2 - mw, y - mh, hit));
    EXPECT_EQ(hit, right);
    ASSERT_TRUE(renderer_.HitTest(board_.ScreenX({8, 1}) + 10 - mw, 0, hit));
    EXPECT_EQ(hit, (Place{8, 1}));

    EXPECT_FALSE(renderer_.HitTest(0, 0, hit));
    EXPECT_FALSE(renderer_.HitTest(799, 599, hit));
}

// The board drawn the plain way, for comparison with the renderer's fast drawing: the star
// composed afresh into a masked surface, and every picture laid on with the surfaces' own masked
// drawing through a painter.
class PlainBoard {
public:
    PlainBoard(const CGameBoard& board, QSize area, QColor background, QImage wallpaper = {})
        : board_(board), background_(background), wallpaper_(std::move(wallpaper)) {
        const std::string size = std::to_string(board.BoardPixels()) + " ";
        Load(hole_, size + "Marble Hole");
        for (PlayerColor c = 0; c < kColorCount; ++c)
            Load(marbles_[c], size + std::string(ColourName(c)) + " Marble");
        composed_.ComposeFromDrawing(board.BoardPixels(), board.BoardPixels(), [&](QPainter& p) {
            CBoardRenderer::DrawStar(p, board, hole_);
        });
        image = QImage(area, QImage::Format_RGB32);
        Restore(image.rect());
        for (int row = 0; row < kGridSize; ++row)
            for (int col = 0; col < kGridSize; ++col)
                Marble({col, row});
    }

    void Cell(Place p) {
        Restore(MarbleRect(p));
        Marble(p);
    }
    void Disc(halmora::Rgb colour, Place p) {
        Restore(MarbleRect(p));
        QPainter dc(&image);
        dc.setPen(Qt::NoPen);
        dc.setBrush(QColor::fromRgb(colour | 0xFF000000u));
        dc.drawEllipse(
            QRect(board_.ScreenX(p), board_.ScreenY(p), hole_.ImageWidth(), hole_.ImageHeight()));
    }
    void Ring(halmora::Rgb colour, Place p, int width) {
        // Inside the marble rectangle, which DrawCell restores.
        const QRect m = MarbleRect(p);
        QPainter dc(&image);
        dc.setClipRect(m);
        dc.setPen(QPen(QColor::fromRgb(colour | 0xFF000000u), width));
        const qreal half = width / 2.0;
        dc.drawEllipse(QRectF(m.left() + 2, m.top() + 2, m.width() - 2, m.height() - 2)
                           .adjusted(half, half, -half, -half));
    }
    void MarbleAt(int x, int y, PlayerColor c) {
        QPainter dc(&image);
        marbles_[c].Draw(dc, x, y);
    }
    void Region(const QRect& area) {
        Restore(area);
        for (int row = 0; row < kGridSize; ++row)
            for (int col = 0; col < kGridSize; ++col)
                if (MarbleRect({col, row})
                        .adjusted(0, 0, 1, 1)
                        .intersects(area.adjusted(0, 0, 1, 1)))
                    Marble({col, row});
    }

    QImage image;

private:
    static void Load(CTransparentSurface& surface, const std::string& name) {
        surface.Load(AppFile("Graphics/" + name + ".bmp").string(),
                     AppFile("Graphics/" + name + " Mask.bmp").string());
    }
    QRect MarbleRect(Place p) const {
        const CTransparentSurface& red = marbles_[3];
        return {board_.ScreenX(p) - (red.ImageWidth() - hole_.ImageWidth()) / 2,
                board_.ScreenY(p) - (red.ImageHeight() - hole_.ImageHeight()) / 2, red.ImageWidth(),
                red.ImageHeight()};
    }
    void Restore(const QRect& area) {
        QPainter dc(&image);
        if (wallpaper_.isNull())
            dc.fillRect(area, background_);
        else
            dc.drawImage(area.topLeft(), wallpaper_, area);
        composed_.DrawPart(dc, area.x() - board_.BoardLeft(), area.y() - board_.BoardTop(),
                           area.width(), area.height(), area.x(), area.y());
    }
    void Marble(Place p) {
        const HoleRecord& h = board_.Hole(p);
        if (!h.isHole || h.marbleHidden || h.occupant < 0)
            return;
        QPainter dc(&image);
        const CTransparentSurface& m = marbles_[h.occupant];
        m.Draw(dc, board_.ScreenX(p) - (m.ImageWidth() - hole_.ImageWidth()) / 2,
               board_.ScreenY(p) - (m.ImageHeight() - hole_.ImageHeight()) / 2);
    }

    const CGameBoard& board_;
    QColor background_;
    QImage wallpaper_;
    CTransparentSurface hole_;
    std::array<CTransparentSurface, kColorCount> marbles_;
    CTransparentSurface composed_;
};

// Empty when the two pictures hold the same bits, else where and how they first differ.
std::string FirstDifference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size() || actual.format() != expected.format())
        return "size or format differs";
    for (int y = 0; y < actual.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* e = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x)
            if (a[x] != e[x])
                return "(" + std::to_string(x) + ", " + std::to_string(y) +
                       "): " + QString::number(a[x], 16).toStdString() + " instead of " +
                       QString::number(e[x], 16).toStdString();
    }
    return {};
}

class FastDrawingTest : public BoardRendererTest {
protected:
    void Check(const PlainBoard& plain, const char* what) {
        EXPECT_EQ(FirstDifference(renderer_.Image(), plain.image), "") << what;
    }
    // The whole area painted at this size against the plain composition.
    void PaintAndCheck(QSize area, const char* what, const QImage& wallpaper = {}) {
        renderer_.Resize(area.width(), area.height());
        renderer_.Paint();
        Check(PlainBoard(board_, area, QColor::fromRgb(kBackground), wallpaper), what);
    }
};

TEST_F(FastDrawingTest, StartPositionsMatchAPlainCompositionAtEverySize) {
    // Two players on the 300 board, three on the 400 board over a wallpaper, six on the 600.
    SetUpStartPosition(board_, Seats({0, 3}));
    PaintAndCheck({360, 330}, "2 players, 300");

    QImage wallpaper(450, 420, QImage::Format_RGB32);
    for (int y = 0; y < wallpaper.height(); ++y)
        for (int x = 0; x < wallpaper.width(); ++x)
            wallpaper.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    renderer_.SetBackgroundImage(wallpaper);
    SetUpStartPosition(board_, Seats({0, 2, 4}));
    PaintAndCheck({450, 420}, "3 players, 400, wallpaper", wallpaper);

    renderer_.SetBackgroundImage(QImage());
    SetUpStartPosition(board_, Seats({0, 1, 2, 3, 4, 5}));
    PaintAndCheck({700, 640}, "6 players, 600");

    // Smaller again, and cut on every side: nothing of the larger board may stay.
    PaintAndCheck({250, 280}, "6 players, cut 300");
    EXPECT_TRUE(capture_.messages.empty());
}

TEST_F(FastDrawingTest, HighlightsHiddenMarblesAndRotationsMatchAPlainComposition) {
    renderer_.Resize(700, 640);
    board_.MoveMarble({8, 4}, {8, 8});
    board_.Hole({8, 1}).marbleHidden = 1;
    board_.Hole({2, 13}).marbleHidden = 1;
    renderer_.Paint();
    PlainBoard plain(board_, {700, 640}, QColor::fromRgb(kBackground));
    Check(plain, "hidden marbles");
    renderer_.DrawCell({8, 1});  // a hidden marble's hole repainted stays empty
    Check(plain, "hidden marble's cell");

    const Place possible{8, 9}, impossible{9, 10}, suggested{8, 8};
    board_.Hole(possible).highlight = 100;
    renderer_.DrawHoleDisc(kPossibleTargetRgb, possible);
    plain.Disc(kPossibleTargetRgb, possible);
    board_.Hole(impossible).highlight = 101;
    renderer_.DrawHoleDisc(kImpossibleTargetRgb, impossible);
    plain.Disc(kImpossibleTargetRgb, impossible);
    renderer_.DrawMarbleRing(kSuggestionRgb, suggested, 2);
    plain.Ring(kSuggestionRgb, suggested, 2);
    Check(plain, "highlights");
    renderer_.DrawCell(suggested);
    plain.Cell(suggested);
    Check(plain, "ring wiped");
    renderer_.DrawMarbleRing(kSuggestionRgb, suggested, 2);
    plain.Ring(kSuggestionRgb, suggested, 2);

    // A marble in flight over the grid, over the star's edge and off the area's corner.
    const PixelSize m = renderer_.MarbleSize();
    for (const QPoint at : {QPoint(353, 301), QPoint(board_.BoardLeft() + 2, 290), QPoint(-7, -5),
                            QPoint(690, 630)}) {
        renderer_.DrawMarbleAt(at.x(), at.y(), 4);
        plain.MarbleAt(at.x(), at.y(), 4);
        Check(plain, "marble in flight");
        renderer_.RedrawRegion(at.x(), at.y(), m.width, m.height);
        plain.Region(QRect(at.x(), at.y(), m.width, m.height));
        Check(plain, "region restored");
    }

    renderer_.ClearHoverHighlights();
    plain.Cell(possible);
    plain.Cell(impossible);
    Check(plain, "highlights cleared");

    for (int turn = 1; turn <= 6; ++turn) {
        board_.Rotate(turn % 2);
        PaintAndCheck({700, 640}, "rotated");
    }
}

// halmora-render driven as a user would, on a saved game made here.
class RenderTool : public ::testing::Test {
protected:
    std::string SaveGame() {
        CGameBoard board;
        SetUpStartPosition(board, Seats({0, 1, 2, 3, 4, 5}));
        board.MoveMarble({8, 4}, {8, 5});
        auto record = std::make_unique<SavedGameRecord>();
        record->playerCount = 6;
        for (PlayerColor c = 0; c < kColorCount; ++c) {
            record->players[c].colour = c;
            record->seatTypes[c] = 1;
        }
        board.WriteHoles(record->holes);
        const auto path = folder_ / "game.hlm";
        EXPECT_TRUE(SaveSavedGameFile(path, *record).Ok());
        return path.string();
    }
    int Run(const std::string& args) {
        const std::string command =
            std::string(HALMORA_RENDER) + " " + args + " 2>" + (folder_ / "err").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    TempFolder folder_{"halmora-render"};
};

// --scale 2 draws the board at twice the density, not the plain picture enlarged: its 2 by 2
// blocks differ along lines, triangle edges, hole rims and marbles, while the colours agree: flat
// parts keep their colour exactly and the whole picture its mean colour.
TEST_F(RenderTool, WritesTheBoardAsAPictureAndScaledAtItsDensity) {
    const std::string game = SaveGame();
    const std::string one = (folder_ / "one.png").string(), two = (folder_ / "two.png").string();
    ASSERT_EQ(Run(game + " " + one + " --height 450 --width 500"), 0);
    ASSERT_EQ(Run(game + " " + two + " --height 450 --width 500 --scale 2"), 0);
    const QImage plain = QImage(QString::fromStdString(one)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(plain.size(), QSize(500, 450));
    EXPECT_EQ(Pixel(plain, 0, 0), kBackground);
    // The 400 board: the hexagon between three middle holes.
    CGameBoard layout;
    layout.Layout(500, 450);
    const int hx = (layout.ScreenX({8, 9}) + layout.ScreenX({9, 9}) + layout.ScreenX({8, 10})) / 3;
    const int hy = (layout.ScreenY({8, 9}) + layout.ScreenY({9, 9}) + layout.ScreenY({8, 10})) / 3;
    EXPECT_EQ(Pixel(plain, hx + 7, hy + 7), kHexagon);
    EXPECT_EQ(Pixel(plain, layout.ScreenX({8, 5}) + 7, layout.ScreenY({8, 5}) + 7),
              Pixel(QImage(QString::fromStdString(std::string(HALMORA_GAMEFILES) +
                                                  "/Graphics/400 Yellow Marble.bmp")),
                    8, 9))
        << "the moved marble";

    const QImage dense = QImage(QString::fromStdString(two)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(dense.size(), QSize(1000, 900));
    int finer = 0, flat = 0, flatKept = 0;
    double sum[2][3] = {};
    for (int y = 1; y + 1 < plain.height(); ++y) {
        for (int x = 1; x + 1 < plain.width(); ++x) {
            const QRgb p = Pixel(plain, x, y);
            const QRgb block[4] = {Pixel(dense, 2 * x, 2 * y), Pixel(dense, 2 * x + 1, 2 * y),
                                   Pixel(dense, 2 * x, 2 * y + 1),
                                   Pixel(dense, 2 * x + 1, 2 * y + 1)};
            finer += std::any_of(block + 1, block + 4, [&](QRgb q) { return q != block[0]; });
            bool uniform = true;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    uniform = uniform && Pixel(plain, x + dx, y + dy) == p;
            if (uniform) {
                ++flat;
                flatKept += std::all_of(block, block + 4, [&](QRgb q) { return q == p; });
            }
            for (int k = 0; k < 3; ++k) {
                const int shift = 16 - 8 * k;
                sum[0][k] += (p >> shift) & 0xFF;
                for (const QRgb q : block)
                    sum[1][k] += ((q >> shift) & 0xFF) / 4.0;
            }
        }
    }
    const int pixels = (plain.width() - 2) * (plain.height() - 2);
    EXPECT_GT(finer, pixels / 20) << "the plain picture enlarged";
    EXPECT_GT(flat, pixels / 2);
    EXPECT_GT(flatKept, flat * 99 / 100);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(sum[1][k] / pixels, sum[0][k] / pixels, 1.0) << "colour part " << k;

    const std::string between = (folder_ / "between.png").string();
    ASSERT_EQ(Run(game + " " + between + " --height 450 --width 500 --scale 1.5"), 0);
    EXPECT_EQ(QImage(QString::fromStdString(between)).size(), QSize(750, 675));
}

TEST_F(RenderTool, BadInputIsExitTwo) {
    const std::string out = (folder_ / "board.png").string();
    EXPECT_EQ(Run((folder_ / "missing.hlm").string() + " " + out), 2);
    EXPECT_EQ(Run(SaveGame() + " " + out + " --height x"), 2);
    EXPECT_EQ(Run(SaveGame() + " " + out + " --scale 0.5"), 2);
    EXPECT_EQ(Run(SaveGame() + " " + out + " --scale x"), 2);
    EXPECT_EQ(Run(SaveGame() + " " + out + " --assets " + folder_.Path().string()), 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace halmora
