// halmora-assets OUTDIR: draws the game's pictures, sounds and wallpapers into OUTDIR
// (Graphics/, Resources/, Sounds/, Wallpapers/). Runs headless on Qt's offscreen platform.
#include <QGuiApplication>

#include <cstdio>

#include "GraphicsSet.h"
#include "OutputFolder.h"
#include "ResourceArt.h"
#include "SoundSynth.h"
#include "Wallpapers.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: halmora-assets OUTDIR\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    halmora::assets::COutputFolder out(QString::fromLocal8Bit(argv[1]));
    halmora::assets::WriteGraphics(out);
    halmora::assets::WriteResources(out);
    halmora::assets::WriteSounds(out);
    halmora::assets::WriteWallpapers(out);
    if (out.FailureCount() > 0) {
        std::fprintf(stderr, "halmora-assets: %d of %d files failed\n", out.FailureCount(),
                     out.FileCount());
        return 1;
    }
    return 0;
}
