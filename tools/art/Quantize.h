#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// Colour reduction for the palette formats (8-bit BMP, GIF, 16-colour ICO).
namespace art {

// A palette of at most maxColours colours chosen by median cut over the
// pixels of image that are at least half opaque.
QList<QRgb> medianCutPalette(const QImage &image, int maxColours);

// Maps image onto palette, as an Indexed8 image whose colour table is the
// palette. dither is the strength of Floyd-Steinberg error diffusion (0 maps
// every pixel to its nearest colour). When transparentIndex is 0 or more,
// pixels less than half opaque take that index and the table entry there is
// made fully transparent; the other pixels never take it.
QImage toIndexed(
    const QImage &image, const QList<QRgb> &palette, double dither, int transparentIndex = -1);

// Pads palette with black entries up to count (formats with fixed table sizes).
QList<QRgb> padded(QList<QRgb> palette, int count);

} // namespace art
