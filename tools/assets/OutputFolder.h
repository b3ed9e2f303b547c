// The folder the asset maker writes into. Every write goes through here so that one failed file
// is reported by name and the run ends with a failing exit code instead of a half-made set.
#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

#include "Picture.h"

namespace halmora::assets {

class COutputFolder {
public:
    explicit COutputFolder(QString root);

    // Pictures with a mask go to "NAME.bmp" and "NAME Mask.bmp"; bitmaps are 24-bit.
    void SaveBmp(const QString& relativePath, const QImage& image);
    void SaveMasked(const QString& relativeStem, const MaskedPicture& picture);
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
