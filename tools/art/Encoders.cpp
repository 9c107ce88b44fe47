#include "Encoders.h"

#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <unordered_map>

namespace art {
namespace {

void put16(QByteArray &out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void put32(QByteArray &out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Bits packed least significant first, cut into sub-blocks of 255 bytes.
class GifBitWriter {
public:
    void write(int code, int width)
    {
        acc_ |= static_cast<std::uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.append(static_cast<char>(acc_ & 0xFF));
            acc_ >>= 8;
            bits_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (bits_ > 0)
            bytes_.append(static_cast<char>(acc_ & 0xFF));
        QByteArray out;
        for (qsizetype at = 0; at < bytes_.size(); at += 255) {
            const qsizetype n = std::min<qsizetype>(255, bytes_.size() - at);
            out.append(static_cast<char>(n));
            out.append(bytes_.mid(at, n));
        }
        out.append('\0');
        return out;
    }

private:
    QByteArray bytes_;
    std::uint32_t acc_ = 0;
    int bits_ = 0;
};

int tableBits(qsizetype colours)
{
    int bits = 1;
    while ((qsizetype(1) << bits) < colours)
        ++bits;
    return bits;
}

void putColourTable(QByteArray &out, const QList<QRgb> &table, int bits)
{
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
}

void putImageDescriptor(QByteArray &out, const QImage &image)
{
    out.append(',');
    put16(out, 0);
    put16(out, 0);
    put16(out, image.width());
    put16(out, image.height());
    out.append('\0'); // no local table, not interlaced
}

} // namespace

QByteArray encodeIco4(const QImage &indexed, int transparentIndex)
{
    const int w = indexed.width();
    const int h = indexed.height();
    const int xorStride = ((w * 4 + 31) / 32) * 4;
    const int andStride = ((w + 31) / 32) * 4;
    const int imageBytes = 40 + 16 * 4 + xorStride * h + andStride * h;

    QByteArray out;
    // ICONDIR and its one entry.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out.append(static_cast<char>(w));
    out.append(static_cast<char>(h));
    out.append(static_cast<char>(16));
    out.append('\0');
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, static_cast<std::uint32_t>(imageBytes));
    put32(out, 22);
    // BITMAPINFOHEADER: the height counts the colour bits and the mask.
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(2 * h));
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(xorStride * h + andStride * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < 16; ++i) {
        const QRgb c = (i < table.size() && i != transparentIndex) ? table[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    // Rows bottom-up, as in every device-independent bitmap.
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < w; ++x) {
            int index = indexed.pixelIndex(x, y);
            if (index == transparentIndex)
                index = 0;
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x)
            if (transparentIndex >= 0 && indexed.pixelIndex(x, y) == transparentIndex)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

QByteArray gifImageData(const QImage &indexed, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    GifBitWriter bits;
    std::unordered_map<std::uint32_t, int> dictionary;
    int codeSize = minCodeSize + 1;
    int lastCode = end; // the highest code in use
    bits.write(clear, codeSize);

    int current = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int pixel = line[x];
            if (current < 0) {
                current = pixel;
                continue;
            }
            const std::uint32_t key
                = static_cast<std::uint32_t>(current) << 8 | static_cast<std::uint32_t>(pixel);
            const auto found = dictionary.find(key);
            if (found != dictionary.end()) {
                current = found->second;
                continue;
            }
            bits.write(current, codeSize);
            dictionary.emplace(key, ++lastCode);
            if (lastCode >= (1 << codeSize))
                ++codeSize;
            if (lastCode == 4095) {
                // The table is full: start afresh.
                bits.write(clear, codeSize);
                dictionary.clear();
                codeSize = minCodeSize + 1;
                lastCode = end;
            }
            current = pixel;
        }
    }
    if (current >= 0)
        bits.write(current, codeSize);
    bits.write(end, codeSize);

    QByteArray out;
    out.append(static_cast<char>(minCodeSize));
    out.append(bits.finish());
    return out;
}

QByteArray encodeGif87(const QImage &indexed)
{
    QByteArray out("GIF87a");
    put16(out, indexed.width());
    put16(out, indexed.height());
    const int bits = 8;
    out.append(
        static_cast<char>(0x80 | (bits - 1) << 4 | (bits - 1))); // global table, 8-bit colour
    out.append('\0');                                            // background index
    out.append('\0');                                            // square pixels
    putColourTable(out, indexed.colorTable(), bits);
    putImageDescriptor(out, indexed);
    out.append(gifImageData(indexed, 8));
    out.append(';');
    return out;
}

QByteArray encodeGifAnimation(const QList<QImage> &frames, int delayCs, int transparentIndex)
{
    const QImage &first = frames.front();
    const int bits = tableBits(first.colorCount());
    const int minCodeSize = std::max(2, bits);
    QByteArray out("GIF89a");
    put16(out, first.width());
    put16(out, first.height());
    out.append(static_cast<char>(0x80 | (bits - 1) << 4 | (bits - 1)));
    out.append(static_cast<char>(transparentIndex));
    out.append('\0');
    putColourTable(out, first.colorTable(), bits);
    // Application extension: loop forever.
    out.append("\x21\xFF\x0B", 3);
    out.append("NETSCAPE2.0");
    out.append("\x03\x01", 2);
    put16(out, 0);
    out.append('\0');
    for (const QImage &frame : frames) {
        // Graphic control: restore to background after showing, delay,
        // transparent colour.
        out.append("\x21\xF9\x04", 3);
        out.append(static_cast<char>(2 << 2 | 1));
        put16(out, delayCs);
        out.append(static_cast<char>(transparentIndex));
        out.append('\0');
        putImageDescriptor(out, frame);
        out.append(gifImageData(frame, minCodeSize));
    }
    out.append(';');
    return out;
}

QByteArray encodeWav(const std::vector<std::int16_t> &samples, int sampleRate)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate * 2));
    put16(out, 2);  // bytes per frame
    put16(out, 16); // bits per sample
    out.append("data");
    put32(out, dataBytes);
    for (const std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out;
}

bool saveBmp(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "bmp");
    return writer.write(image);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

} // namespace art
