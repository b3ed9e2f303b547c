// The folder the asset maker writes into. Every write goes through here so that one failed file
// is reported by name and the run ends with a failing exit code instead of a half-made set.
#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

#include "Picture.h"

namespace halmora::assets {

// The name of a picture drawn at `density` pixels per pixel of the plain one: "@2x" before the
// extension, as Qt's own loaders look for it; the plain name at density 1.
QString AtDensity(const QString& relativePath, int density);

class COutputFolder {
public:
    explicit COutputFolder(QString root);

    // Pictures with a mask go to "NAME.bmp" and "NAME Mask.bmp"; bitmaps are 24-bit. Pictures
    // drawn for denser screens go beside them as "NAME@2x.bmp" and "NAME Mask@2x.bmp".
    void SaveBmp(const QString& relativePath, const QImage& image);
    void SaveMasked(const QString& relativeStem, const MaskedPicture& picture, int density = 1);
    void SavePng(const QString& relativePath, const QImage& image);
    void SaveBytes(const QString& relativePath, const std::vector<uint8_t>& bytes);

    int FileCount() const { return files_; }
    int FailureCount() const { return failures_; }

private:
    QString Prepare(const QString& relativePath);
    void Record(bool ok, const QString& path);

    QString root_;
    int files_ = 0;
    int failures_ = 0;
};

}  // namespace halmora::assets
