// Pictures for screens with more than one device pixel per pixel of the board. The game folder
// holds each picture also drawn at twice the density ("NAME@2x.bmp" with "NAME Mask@2x.bmp");
// the board is drawn at a whole number of device pixels per board pixel and takes the picture of
// the density nearest to it, resized where the two differ. The dense pictures are optional: a
// missing one is made from the plain picture without a message.
//
//   const int density = DensityForRatio(widget.devicePixelRatioF());   // 1 at a plain screen
//   QImage marble = DensePicture("Graphics/600 Red Marble", QSize(25, 26), density);
#pragma once

#include <QImage>
#include <QSize>

#include <string>

namespace halmora {

// Whole device pixels per board pixel for a device pixel ratio: the ratio rounded up, so that
// pictures are made finer, never coarser, than the screen shows them (1 up to ratio 1, at most 4).
int DensityForRatio(double ratio);

// "Graphics/x.bmp" at density 2 is "Graphics/x@2x.bmp"; density 1 gives the path itself.
std::string AtDensity(const std::string& path, int density);

// A picture and its mask as premultiplied ARGB: opaque where the mask is white, transparent (and
// black) elsewhere. Null when either file cannot be read or their sizes differ; nothing is shown.
QImage LoadMaskedPicture(const std::string& imagePath, const std::string& maskPath);

// A masked picture resized: whole-number enlargements copy pixels, anything else is smoothed and
// its outline cut again where half a pixel is covered, so that it stays a one-bit outline.
QImage ResizedMaskedPicture(const QImage& picture, QSize size);

// The masked picture of `stem` (".bmp" and " Mask.bmp" appended) for drawing at `density` device
// pixels per pixel of a picture of plainSize: the twice dense files where they exist at twice
// plainSize, else the plain ones, resized to plainSize times density. Null when neither loads.
QImage DensePicture(const std::string& stem, QSize plainSize, int density);

// The picture with its one-bit outline softened into a coverage ramp a pixel wide on each side,
// for drawing into a larger picture with antialiased edges. Keeps the device pixel ratio.
QImage SoftOutline(const QImage& picture);

}  // namespace halmora
