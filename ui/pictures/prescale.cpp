// Build-time helper: scales a picture to the size a window shows it at, the
// way the game would at run time (opaque pictures as 32-bit RGB, smooth
// scaling), and writes the raw pixels, so that the game can show the picture
// at start-up without decoding and scaling it.
//   fw_prescale PICTURE WIDTH HEIGHT OUTPUT
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {

// No pixel lets anything through: an icon with a mask that hides nothing
// counts as opaque.
bool isOpaque(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return true;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) != 255)
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: fw_prescale PICTURE WIDTH HEIGHT OUTPUT\n");
        return 2;
    }
    QImage picture(QString::fromLocal8Bit(argv[1]));
    const QSize size(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
    if (picture.isNull() || size.isEmpty() || !isOpaque(picture)) {
        std::fprintf(stderr, "fw_prescale: %s: not an opaque picture, or no size\n", argv[1]);
        return 1;
    }
    const QImage scaled = picture.convertToFormat(QImage::Format_RGB32)
                              .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    QFile out(QString::fromLocal8Bit(argv[4]));
    if (!out.open(QIODevice::WriteOnly)
        || out.write(reinterpret_cast<const char *>(scaled.constBits()), scaled.sizeInBytes())
            != scaled.sizeInBytes()) {
        std::fprintf(stderr, "fw_prescale: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
