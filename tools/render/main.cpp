// halmora-render FILE.hlm OUT.png [--height H] [--width W] [--scale S] [--assets DIR]
// Draws a saved game's board as the game shows it, over the default background colour, into a
// PNG. With --scale the picture is S times as large each way, drawn as a screen of S device
// pixels per pixel shows it. Any problem is one line on stderr and exit code 2.
#include <QColor>
#include <QImage>
#include <QString>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "board/BoardGeometry.h"
#include "board/GameBoard.h"
#include "game/SavedGameRecord.h"
#include "platform/AppFolder.h"
#include "records/Settings.h"
#include "view/BoardRenderer.h"
#include "view/ViewMessages.h"

namespace {

constexpr int kBadInput = 2;
constexpr long kMaxSide = 8192;
constexpr double kMaxScale = 4.0;
constexpr const char* kUsage =
    "usage: halmora-render FILE.hlm OUT.png [--height H] [--width W] [--scale S]";

int Fail(const std::string& text) {
    std::fprintf(stderr, "halmora-render: %s\n", text.c_str());
    return kBadInput;
}

bool ParseSide(const char* text, int& out) {
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < 1 || v > kMaxSide)
        return false;
    out = static_cast<int>(v);
    return true;
}

bool ParseScale(const char* text, double& out) {
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (errno != 0 || end == text || *end != '\0' || !(v >= 1.0 && v <= kMaxScale))
        return false;
    out = v;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace halmora;
    std::string input, output, assets = HALMORA_GAMEFILES;
    int width = 800, height = 600;
    double scale = 1.0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--height" || arg == "--width") {
            int& side = arg == "--height" ? height : width;
            if (!hasValue || !ParseSide(argv[++i], side))
                return Fail(arg + " needs a number from 1 to " + std::to_string(kMaxSide));
        } else if (arg == "--scale") {
            if (!hasValue || !ParseScale(argv[++i], scale))
                return Fail("--scale needs a number from 1 to 4");
        } else if (arg == "--assets") {
            if (!hasValue)
                return Fail("--assets needs a folder");
            assets = argv[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            return Fail("unknown option " + arg);
        } else if (input.empty()) {
            input = arg;
        } else if (output.empty()) {
            output = arg;
        } else {
            return Fail(kUsage);
        }
    }
    if (output.empty())
        return Fail(kUsage);

    SavedGameReadResult loaded = LoadSavedGameFile(input);
    if (!loaded.status.Ok())
        return Fail(input + ": " + loaded.status.message);
    const SavedGameRecord& record = *loaded.record;
    CGameBoard board;
    std::array<bool, kColorCount> seated{};
    for (int i = 0; i < record.playerCount; ++i)
        seated[record.players[i].colour] = true;
    board.SetUp(TriangleColoursFor(seated));
    for (PlayerColor c = 0; c < kColorCount; ++c)
        if (seated[c])
            board.PlaceMarbles(c);
    board.ReadHoles(record.holes);

    // A missing picture would otherwise open a message box; here it is the first error line.
    std::string pictureProblem;
    SetMessageBoxFunction([&](const std::string&, const std::string& text) {
        if (pictureProblem.empty())
            pictureProblem = text;
    });
    SetApplicationFolder(assets);
    CBoardRenderer renderer;
    const CSettings defaults;
    renderer.SetBackgroundColor(
        QColor(defaults.WallpaperRed, defaults.WallpaperGreen, defaults.WallpaperBlue));
    renderer.SetBoard(&board);
    renderer.SetDevicePixelRatio(scale);
    renderer.Resize(width, height);
    if (!pictureProblem.empty())
        return Fail(pictureProblem);
    renderer.Paint();
    QImage picture = renderer.Image();
    const QSize size(static_cast<int>(std::lround(width * scale)),
                     static_cast<int>(std::lround(height * scale)));
    // The board is drawn at a whole number of pixels per pixel; a screen between shrinks it.
    if (picture.size() != size)
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(1);
    if (!picture.save(QString::fromStdString(output), "PNG"))
        return Fail(output + ": could not be written");
    return 0;
}
