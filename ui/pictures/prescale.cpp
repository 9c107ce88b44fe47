// Build-time helper: scales a picture to the size a window shows it at, the
// way the game would at run time (opaque pictures as 32-bit RGB, smooth
// scaling), and writes the raw pixels, so that the game can show the picture
// at start-up without decoding and scaling it.
//   fw_prescale PICTURE WIDTH HEIGHT OUTPUT
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: fw_prescale PICTURE WIDTH HEIGHT OUTPUT\n");
        return 2;
    }
    QImage picture(QString::fromLocal8Bit(argv[1]));
    const QSize size(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
    if (picture.isNull() || size.isEmpty() || picture.hasAlphaChannel()) {
        std::fprintf(stderr, "fw_prescale: %s: not an opaque picture, or no size\n", argv[1]);
        return 1;
    }
    const QImage scaled = picture.convertToFormat(QImage::Format_RGB32)
                              .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    QFile out(QString::fromLocal8Bit(argv[4]));
    if (!out.open(QIODevice::WriteOnly)
        || out.write(reinterpret_cast<const char *>(scaled.constBits()), scaled.sizeInBytes()) != scaled.sizeInBytes()) {
        std::fprintf(stderr, "fw_prescale: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
