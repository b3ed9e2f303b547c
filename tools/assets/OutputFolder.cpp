#include "OutputFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace halmora::assets {

QString AtDensity(const QString& relativePath, int density) {
    if (density == 1)
        return relativePath;
    const qsizetype dot = relativePath.lastIndexOf('.');
    return relativePath.left(dot) + QStringLiteral("@%1x").arg(density) + relativePath.mid(dot);
}

COutputFolder::COutputFolder(QString root) : root_(std::move(root)) {}

QString COutputFolder::Prepare(const QString& relativePath) {
    const QString path = root_ + '/' + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void COutputFolder::Record(bool ok, const QString& path) {
    ++files_;
    if (!ok) {
        ++failures_;
        std::fprintf(stderr, "halmora-assets: could not write %s\n", qPrintable(path));
    }
}

void COutputFolder::SaveBmp(const QString& relativePath, const QImage& image) {
    // Qt writes RGB32 images as 24-bit bitmaps, the depth the game's loaders expect.
    const QString path = Prepare(relativePath);
    Record(image.convertToFormat(QImage::Format_RGB32).save(path, "BMP"), path);
}

void COutputFolder::SaveMasked(const QString& relativeStem, const MaskedPicture& picture,
                               int density) {
    SaveBmp(AtDensity(relativeStem + ".bmp", density), picture.image);
    SaveBmp(AtDensity(relativeStem + " Mask.bmp", density), picture.mask);
}

void COutputFolder::SavePng(const QString& relativePath, const QImage& image) {
    const QString path = Prepare(relativePath);
    Record(image.save(path, "PNG"), path);
}

void COutputFolder::SaveBytes(const QString& relativePath, const std::vector<uint8_t>& bytes) {
    const QString path = Prepare(relativePath);
    QSaveFile file(path);
    const bool ok =
        file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
        file.commit();
    Record(ok, path);
}

}  // namespace halmora::assets
