// Checks the files the asset maker wrote into the build's game folder: the sizes the game relies
// on, the mask convention of every sprite, the marble colours, the toolbar's transparent colour,
// the cursors' hot spots, and sounds and wallpapers the game can read. The pictures drawn at twice
// the density for denser screens ("@2x") are held to the same rules at twice the size.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace halmora {
namespace {

QString PathOf(const QString& relative) {
    return QStringLiteral(HALMORA_GAMEFILES) + '/' + relative;
}

QByteArray ReadAll(const QString& relative) {
    QFile file(PathOf(relative));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
    return file.readAll();
}

uint32_t U32(const QByteArray& b, int at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
           static_cast<uint8_t>(b[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t U16(const QByteArray& b, int at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1])
                                                                   << 8);
}

int BmpBitsPerPixel(const QString& relative) {
    const QByteArray bytes = ReadAll(relative);
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return 0;
    return U16(bytes, 28);
}

QImage Load(const QString& relative) {
    QImage image(PathOf(relative));
    EXPECT_FALSE(image.isNull()) << relative.toStdString() << " does not load";
    return image;
}

struct Rgb {
    int r, g, b;
};

// clang-format off
const std::array<QString, 6> kColourNames = {"Yellow", "Purple", "Blue", "Red", "Orange", "Green"};
constexpr std::array<Rgb, 6> kBoardColours = {{
    {255, 241, 15}, {183, 91, 221}, {59, 45, 237}, {232, 53, 34}, {255, 134, 53}, {60, 217, 23},
}};
struct Size {
    int pixels, hole, marbleWidth, marbleHeight;
    std::array<int, 6> cursors;
    double originX, originY, gapX, gapY;
};
constexpr std::array<Size, 3> kSizes = {{
    {300, 10, 12, 13, {139, 142, 144, 143, 141, 140}, 10.0, 12.0,  9.25, 6.75},
    {400, 14, 16, 18, {145, 148, 150, 149, 147, 146}, 14.0, 18.0, 11.25, 8.0},
    {600, 20, 25, 26, {151, 154, 156, 155, 153, 152}, 19.0, 22.0, 18.5, 13.5},
}};
// clang-format on

QString Stem(const Size& s, const QString& what) {
    return QStringLiteral("Graphics/%1 %2").arg(s.pixels).arg(what);
}

constexpr int kDensities[] = {1, 2};

// "NAME.ext" at density 1, "NAME@2x.ext" at density 2.
QString AtDensity(const QString& path, int density) {
    if (density == 1)
        return path;
    const qsizetype dot = path.lastIndexOf('.');
    return path.left(dot) + QStringLiteral("@%1x").arg(density) + path.mid(dot);
}

// Picture and mask file of a masked picture.
struct MaskedFiles {
    QString image, mask;
};
MaskedFiles Masked(const QString& stem, int density = 1) {
    return {AtDensity(stem + ".bmp", density), AtDensity(stem + " Mask.bmp", density)};
}

std::vector<MaskedFiles> MaskedPictures() {
    std::vector<MaskedFiles> files;
    for (const int d : kDensities) {
        files.push_back(Masked("Graphics/Small Clock", d));
        for (const Size& s : kSizes) {
            files.push_back(Masked(Stem(s, "Marble Hole"), d));
            for (const QString& colour : kColourNames)
                files.push_back(Masked(Stem(s, colour + " Marble"), d));
        }
    }
    return files;
}

bool Shows(const QImage& mask, int x, int y) {
    return (mask.pixel(x, y) & 0xFFFFFFu) != 0;
}

// Average colour of the 3 by 3 pixels round (x, y).
Rgb AverageAround(const QImage& image, int x, int y) {
    int r = 0, g = 0, b = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb c = image.pixel(x + dx, y + dy);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    }
    return {r / 9, g / 9, b / 9};
}

void ExpectCloseColour(Rgb actual, Rgb expected, int tolerance, const std::string& what) {
    EXPECT_NEAR(actual.r, expected.r, tolerance) << what;
    EXPECT_NEAR(actual.g, expected.g, tolerance) << what;
    EXPECT_NEAR(actual.b, expected.b, tolerance) << what;
}

TEST(AssetsGraphics, PicturesHaveTheSizesOfTheirBoard) {
    for (const int d : kDensities) {
        for (const Size& s : kSizes) {
            EXPECT_EQ(Load(AtDensity(Stem(s, "Marble Hole.bmp"), d)).size(),
                      QSize(s.hole, s.hole) * d);
            for (const QString& colour : kColourNames) {
                EXPECT_EQ(Load(AtDensity(Stem(s, colour + " Marble.bmp"), d)).size(),
                          QSize(s.marbleWidth, s.marbleHeight) * d)
                    << s.pixels << ' ' << colour.toStdString() << " at " << d;
            }
        }
        const QImage clock = Load(AtDensity("Graphics/Small Clock.bmp", d));
        EXPECT_EQ(clock.width(), clock.height());
        EXPECT_GE(clock.height(), 14 * d);  // readable beside 18-pixel text...
        EXPECT_LE(clock.height(), 21 * d);  // ...and no taller than its line
        EXPECT_EQ(Load(AtDensity("Graphics/Popup Logo.bmp", d)).size(), QSize(640, 480) * d);
        EXPECT_EQ(BmpBitsPerPixel(AtDensity("Graphics/Popup Logo.bmp", d)), 24);
    }
}

// The game composes its board from a drawing on white, so white in a hole would turn into a
// see-through spot.
TEST(AssetsGraphics, MaskedPicturesAre24BitBlackWhereTransparentAndHolesNeverWhite) {
    for (const MaskedFiles& picture : MaskedPictures()) {
        const QImage image = Load(picture.image);
        const QImage mask = Load(picture.mask);
        const QString& stem = picture.image;
        EXPECT_EQ(BmpBitsPerPixel(picture.image), 24) << stem.toStdString();
        EXPECT_EQ(BmpBitsPerPixel(picture.mask), 24) << stem.toStdString();
        ASSERT_EQ(image.size(), mask.size()) << stem.toStdString();
        const bool hole = stem.contains("Marble Hole");
        int shown = 0, hidden = 0, strayColour = 0, notBlackOrWhite = 0, whiteInHole = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const QRgb m = mask.pixel(x, y) & 0xFFFFFFu;
                if (m != 0 && m != 0xFFFFFFu)
                    ++notBlackOrWhite;
                if (m != 0) {
                    ++shown;
                    whiteInHole += hole && (image.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
                } else {
                    ++hidden;
                    strayColour += (image.pixel(x, y) & 0xFFFFFFu) != 0;
                }
            }
        }
        EXPECT_EQ(notBlackOrWhite, 0) << stem.toStdString();
        EXPECT_EQ(strayColour, 0) << stem.toStdString() << ": colour under a transparent pixel";
        EXPECT_EQ(whiteInHole, 0) << stem.toStdString();
        // Every sprite is round or star-shaped: something shows and the corners are clear.
        EXPECT_GT(shown, hidden / 4) << stem.toStdString();
        EXPECT_FALSE(Shows(mask, 0, 0)) << stem.toStdString();
        EXPECT_FALSE(Shows(mask, mask.width() - 1, mask.height() - 1)) << stem.toStdString();
    }
}

TEST(AssetsGraphics, MarblesShowTheBoardColourWhereTheyCoverTheHole) {
    for (const int d : kDensities) {
        for (const Size& s : kSizes) {
            // The game centres a marble on its hole with truncating division, in plain pixels.
            const int offsetX = (s.marbleWidth - s.hole) / 2 * d;
            const int offsetY = (s.marbleHeight - s.hole) / 2 * d;
            const int hole = s.hole * d;
            const QImage holeMask = Load(Masked(Stem(s, "Marble Hole"), d).mask);
            for (int c = 0; c < 6; ++c) {
                const MaskedFiles files = Masked(Stem(s, kColourNames[c] + " Marble"), d);
                const QImage marble = Load(files.image);
                const QImage mask = Load(files.mask);
                ExpectCloseColour(AverageAround(marble, offsetX + hole / 2, offsetY + hole / 2),
                                  kBoardColours[c], 48, files.image.toStdString());
                int uncovered = 0;
                for (int y = 0; y < hole; ++y) {
                    for (int x = 0; x < hole; ++x)
                        uncovered +=
                            Shows(holeMask, x, y) && !Shows(mask, x + offsetX, y + offsetY);
                }
                EXPECT_EQ(uncovered, 0)
                    << files.image.toStdString() << " leaves part of the hole showing";
            }
        }
    }
}

// A twice as dense picture is drawn anew at its size, not the plain one enlarged: it differs
// from the plain picture blown up (finer edges and shading) but keeps its colours.
TEST(AssetsGraphics, DensePicturesAreDrawnAnewInTheSameColours) {
    std::vector<QString> plain = {"Graphics/Popup Logo.bmp",   "Graphics/Small Clock.bmp",
                                  "Resources/toolbar-157.bmp", "Resources/icon-125.png",
                                  "Resources/icon-126.png",    "Resources/cursor-129.png",
                                  "Resources/cursor-151.png"};
    for (const Size& s : kSizes) {
        plain.push_back(Stem(s, "Marble Hole.bmp"));
        for (const QString& colour : kColourNames)
            plain.push_back(Stem(s, colour + " Marble.bmp"));
    }
    for (const QString& file : plain) {
        SCOPED_TRACE(file.toStdString());
        const QImage one = Load(file).convertToFormat(QImage::Format_ARGB32);
        const QImage two = Load(AtDensity(file, 2)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(two.size(), one.size() * 2);
        int finer = 0;
        double sum[2][3] = {};
        for (int y = 0; y < one.height(); ++y) {
            for (int x = 0; x < one.width(); ++x) {
                const QRgb block[4] = {two.pixel(2 * x, 2 * y), two.pixel(2 * x + 1, 2 * y),
                                       two.pixel(2 * x, 2 * y + 1),
                                       two.pixel(2 * x + 1, 2 * y + 1)};
                finer += std::any_of(block + 1, block + 4, [&](QRgb p) { return p != block[0]; });
                for (int k = 0; k < 3; ++k) {
                    const int shift = 16 - 8 * k;
                    sum[0][k] += (one.pixel(x, y) >> shift) & 0xFF;
                    for (const QRgb q : block)
                        sum[1][k] += ((q >> shift) & 0xFF) / 4.0;
                }
            }
        }
        const int blocks = one.width() * one.height();
        EXPECT_GT(finer, blocks / 10) << "no finer than the plain picture enlarged";
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(sum[1][k] / blocks, sum[0][k] / blocks, 12.0) << "colour part " << k;
    }
}

TEST(AssetsResources, ToolbarStripsHoldEightKeyedPicturesPerState) {
    for (const int d : kDensities) {
        SCOPED_TRACE(d);
        const int width = 32 * d, height = 30 * d;
        QString strips[3];
        for (int k = 0; k < 3; ++k)
            strips[k] = AtDensity(QStringLiteral("Resources/toolbar-%1.bmp").arg(157 + k), d);
        double brightness[3] = {};
        QRgb key = 0;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(BmpBitsPerPixel(strips[k]), 24);
            const QImage strip = Load(strips[k]);
            ASSERT_EQ(strip.size(), QSize(8 * width, height));
            // The toolbar takes its transparent colour from the bottom-left pixel.
            const QRgb corner = strip.pixel(0, height - 1);
            if (k == 0)
                key = corner;
            EXPECT_EQ(corner, key) << "all three strips share one transparent colour";
            long sum = 0, count = 0;
            for (int picture = 0; picture < 8; ++picture) {
                int drawn = 0, keyed = 0;
                for (int y = 0; y < height; ++y) {
                    for (int x = picture * width; x < (picture + 1) * width; ++x) {
                        const QRgb c = strip.pixel(x, y);
                        if (c == key) {
                            ++keyed;
                            continue;
                        }
                        ++drawn;
                        sum += qRed(c) + qGreen(c) + qBlue(c);
                        ++count;
                        if (k == 2) {
                            EXPECT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << "grey";
                        }
                    }
                }
                EXPECT_GT(drawn, 80 * d * d) << strips[k].toStdString() << " picture " << picture;
                EXPECT_GT(keyed, 80 * d * d) << strips[k].toStdString() << " picture " << picture;
            }
            brightness[k] = static_cast<double>(sum) / count;
        }
        EXPECT_GT(brightness[1], brightness[0] + 5) << "hot pictures are brighter";

        // The three states share their outlines, so a button does not change shape on hover.
        const QImage normal = Load(strips[0]), hot = Load(strips[1]), disabled = Load(strips[2]);
        int differentShape = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < 8 * width; ++x) {
                const bool drawn = normal.pixel(x, y) != key;
                differentShape += drawn != (hot.pixel(x, y) != key);
                differentShape += drawn != (disabled.pixel(x, y) != key);
            }
        }
        EXPECT_EQ(differentShape, 0);
    }
}

std::map<std::string, std::pair<int, int>> HotSpots() {
    std::map<std::string, std::pair<int, int>> spots;
    const QList<QByteArray> lines = ReadAll("Resources/cursors.txt").split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 3)
            spots[fields[0].toStdString()] = {fields[1].toInt(), fields[2].toInt()};
        else
            EXPECT_TRUE(line.isEmpty()) << line.toStdString();
    }
    return spots;
}

TEST(AssetsResources, CursorsAreListedWithTheirHotSpots) {
    const auto spots = HotSpots();
    EXPECT_EQ(spots.size(), 19u);
    EXPECT_EQ(spots.at("cursor-129.png"), std::make_pair(6, 0));
    const QImage hand = Load("Resources/cursor-129.png");
    ASSERT_EQ(hand.size(), QSize(32, 32));
    EXPECT_GT(qAlpha(hand.pixel(6, 1)), 128) << "the hand points with its fingertip";
    for (int id = 139; id <= 156; ++id)
        EXPECT_EQ(spots.at(QStringLiteral("cursor-%1.png").arg(id).toStdString()),
                  std::make_pair(0, 0));
}

// The hit test takes the cursor's hot spot plus half the marble size as the marble's centre.
TEST(AssetsResources, MarbleCursorsCarryTheMarbleInTheirTopLeftCorner) {
    for (const int d : kDensities) {
        for (const Size& s : kSizes) {
            for (int c = 0; c < 6; ++c) {
                const QString name =
                    AtDensity(QStringLiteral("Resources/cursor-%1.png").arg(s.cursors[c]), d);
                const QImage cursor = Load(name).convertToFormat(QImage::Format_ARGB32);
                ASSERT_EQ(cursor.size(), QSize(32, 32) * d) << name.toStdString();
                ASSERT_TRUE(cursor.hasAlphaChannel());
                const int cx = s.marbleWidth / 2 * d, cy = s.marbleHeight / 2 * d;
                EXPECT_EQ(qAlpha(cursor.pixel(cx, cy)), 255) << name.toStdString();
                ExpectCloseColour(AverageAround(cursor, cx, cy), kBoardColours[c], 48,
                                  name.toStdString());
                const int last = 32 * d - 1;
                EXPECT_EQ(qAlpha(cursor.pixel(last, last)), 0) << name.toStdString();
                EXPECT_EQ(qAlpha(cursor.pixel(last, 0)), 0) << name.toStdString();
            }
        }
    }
}

struct Wav {
    uint16_t format = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    std::vector<int16_t> samples;
};

Wav ParseWav(const QString& relative) {
    const QByteArray b = ReadAll(relative);
    Wav wav;
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt ") {
        ADD_FAILURE() << relative.toStdString() << ": not a RIFF/WAVE file";
        return wav;
    }
    EXPECT_EQ(U32(b, 4), static_cast<uint32_t>(b.size() - 8)) << "RIFF size";
    EXPECT_EQ(U32(b, 16), 16u) << "fmt chunk size";
    wav.format = U16(b, 20);
    wav.channels = U16(b, 22);
    wav.rate = U32(b, 24);
    wav.bits = U16(b, 34);
    EXPECT_EQ(b.mid(36, 4), "data");
    const uint32_t dataBytes = U32(b, 40);
    EXPECT_EQ(dataBytes, static_cast<uint32_t>(b.size() - 44)) << "data size";
    for (uint32_t i = 44; i + 1 < static_cast<uint32_t>(b.size()); i += 2)
        wav.samples.push_back(static_cast<int16_t>(U16(b, static_cast<int>(i))));
    return wav;
}

TEST(AssetsSounds, AreMonoPcmAtFortyFourKilohertz) {
    for (const char* name : {"Sounds/Startup.wav", "Sounds/Win.wav", "Sounds/Lose.wav"}) {
        SCOPED_TRACE(name);
        const Wav wav = ParseWav(name);
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.rate, 44100u);
        EXPECT_EQ(wav.bits, 16);
        EXPECT_FALSE(wav.samples.empty());
    }
}

// The wallpaper dialog lists these; the game tiles or stretches them over the board area.
TEST(AssetsWallpapers, AreLarge24BitPictures) {
    const QStringList files = QDir(PathOf("Wallpapers")).entryList({"*.bmp"}, QDir::Files);
    EXPECT_GE(files.size(), 4);
    for (const QString& file : files) {
        const QString relative = "Wallpapers/" + file;
        EXPECT_EQ(BmpBitsPerPixel(relative), 24) << relative.toStdString();
        EXPECT_GE(Load(relative).width(), 640) << relative.toStdString();
    }
}

}  // namespace
}  // namespace halmora
