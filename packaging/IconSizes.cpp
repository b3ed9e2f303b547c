// halmora-icons PICTURE OUTDIR NAME SIZE...: writes PICTURE scaled to each SIZE as
// OUTDIR/hicolor/SIZExSIZE/apps/NAME.png, the layout of the desktop's icon theme.
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: halmora-icons PICTURE OUTDIR NAME SIZE...\n");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "halmora-icons: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "halmora-icons: bad size %s\n", argv[i]);
            return 2;
        }
        const QString folder = QString("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        const QString file = folder + "/" + name + ".png";
        // Smooth scaling of the one large picture keeps every size alike.
        const QImage icon = picture.convertToFormat(QImage::Format_ARGB32)
                                .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!QDir().mkpath(folder) || !icon.save(file, "PNG")) {
            std::fprintf(stderr, "halmora-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
