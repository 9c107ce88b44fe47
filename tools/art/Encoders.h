#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

// File formats Qt cannot write the way the game needs them. (Qt writes the
// 24-bit and the 8-bit palette BMPs itself; see saveBmp.)
namespace art {

// A Windows icon file with one 32-bit-wide 4-bits-per-pixel image and its AND
// mask. indexed holds at most 16 colours; pixels of transparentIndex (if 0 or
// more) are see-through: black in the colour bits, set in the mask.
QByteArray encodeIco4(const QImage &indexed, int transparentIndex = -1);

// A GIF87a file with one image and a global colour table of 256 entries.
QByteArray encodeGif87(const QImage &indexed);

// A GIF89a animation that loops forever: every frame shares the colour table
// of the first, shows for delayCs hundredths of a second, and is cleared to
// the background before the next (so transparent pixels stay transparent).
QByteArray encodeGifAnimation(const QList<QImage> &frames, int delayCs, int transparentIndex);

// The LZW-compressed image data of a GIF image block (code size byte and
// sub-blocks included).
QByteArray gifImageData(const QImage &indexed, int minCodeSize);

// A RIFF WAVE file, 16-bit PCM, one channel.
QByteArray encodeWav(const std::vector<std::int16_t> &samples, int sampleRate);

// Saves with Qt's own BMP writer: 24 bits for RGB images, 8 bits with a
// palette for Indexed8 ones.
bool saveBmp(const QImage &image, const QString &path);

bool writeFile(const QString &path, const QByteArray &bytes);

} // namespace art
