#include "Check.h"

#include "Encoders.h"
#include "Rng.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMovie>
#include <QTextStream>

#include <cmath>
#include <functional>

namespace art {
namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

int le16(const QByteArray &b, int at)
{
    return static_cast<uchar>(b[at]) | static_cast<uchar>(b[at + 1]) << 8;
}

qint64 le32(const QByteArray &b, int at)
{
    return static_cast<qint64>(le16(b, at)) | static_cast<qint64>(le16(b, at + 2)) << 16;
}

// Collects the failures of one file.
class FileCheck {
public:
    FileCheck(const QString &root, const QString &relative)
        : name_(relative)
        , path_(QDir(root).filePath(relative))
    {
        QFile file(path_);
        if (file.open(QIODevice::ReadOnly))
            bytes_ = file.readAll();
        else
            fail("cannot be opened");
    }

    const QString &path() const { return path_; }
    const QByteArray &bytes() const { return bytes_; }
    bool opened() const { return !bytes_.isEmpty(); }

    void expect(bool condition, const QString &what)
    {
        if (!condition)
            fail(what);
    }

    // Reads the picture with Qt and checks its format name and size.
    QImage read(const QByteArray &format, QSize size)
    {
        QImageReader reader(path_);
        expect(reader.format() == format,
            QString("read as '%1', not '%2'").arg(reader.format(), format));
        const QImage image = reader.read();
        expect(!image.isNull(), "Qt cannot read it: " + reader.errorString());
        expect(image.size() == size,
            QString("is %1 x %2, not %3 x %4")
                .arg(image.width())
                .arg(image.height())
                .arg(size.width())
                .arg(size.height()));
        return image;
    }

    bool finish()
    {
        if (problems_.isEmpty())
            out() << "ok      " << name_ << " (" << bytes_.size() << " bytes)" << Qt::endl;
        else
            out() << "FAILED  " << name_ << ": " << problems_.join("; ") << Qt::endl;
        return problems_.isEmpty();
    }

private:
    void fail(const QString &what) { problems_.append(what); }

    QString name_;
    QString path_;
    QByteArray bytes_;
    QStringList problems_;
};

bool checkIcon(const QString &root, const QString &name, bool masked)
{
    FileCheck c(root, name);
    if (c.opened()) {
        const QByteArray &b = c.bytes();
        c.expect(b.size() == 766, "is not 766 bytes");
        c.expect(le16(b, 4) == 1, "does not hold exactly one image");
        c.expect(le16(b, 22 + 14) == 4, "is not 4 bits per pixel");
        const QImage image = c.read("ico", QSize(32, 32));
        int clear = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                clear += qAlpha(image.pixel(x, y)) == 0 ? 1 : 0;
        if (masked)
            c.expect(clear > 50 && clear < 32 * 32 - 100, "has no see-through background");
        else
            c.expect(clear == 0, "has see-through pixels");
    }
    return c.finish();
}

bool checkPng(const QString &root, const QString &name, int size)
{
    FileCheck c(root, name);
    if (c.opened())
        c.read("png", QSize(size, size));
    return c.finish();
}

bool checkPicture(const QString &root, const QString &name, const char *format, QSize size)
{
    FileCheck c(root, name);
    if (c.opened())
        c.read(format, size);
    return c.finish();
}

bool checkBmp(const QString &root, const QString &name, QSize size, int bits, qint64 bytes)
{
    FileCheck c(root, name);
    if (c.opened()) {
        c.expect(c.bytes().size() == bytes, QString("is not %1 bytes").arg(bytes));
        c.expect(le16(c.bytes(), 28) == bits, QString("is not %1 bits per pixel").arg(bits));
        c.expect(le32(c.bytes(), 30) == 0, "is compressed");
        const QImage image = c.read("bmp", size);
        if (bits == 8)
            c.expect(image.format() == QImage::Format_Indexed8 && image.colorCount() == 256,
                "does not read back as 256 palette colours");
    }
    return c.finish();
}

bool checkSunrise(const QString &root)
{
    FileCheck c(root, "ui/pictures/hooray.gif");
    if (c.opened()) {
        c.expect(c.bytes().startsWith("GIF87a"), "is not GIF87a");
        c.expect((static_cast<uchar>(c.bytes()[10]) & 0x87) == 0x87,
            "has no global table of 256 colours");
        QImageReader reader(c.path());
        c.expect(reader.imageCount() == 1, "does not hold exactly one frame");
        c.read("gif", QSize(229, 171));
    }
    return c.finish();
}

bool checkDancers(const QString &root)
{
    FileCheck c(root, "media/dancers.gif");
    if (c.opened()) {
        c.expect(c.bytes().startsWith("GIF89a"), "is not GIF89a");
        c.expect(c.bytes().contains("NETSCAPE2.0"), "has no looping extension");
        QMovie movie(c.path());
        c.expect(movie.isValid(), "QMovie cannot play it");
        c.expect(movie.frameCount() >= 8 && movie.frameCount() <= 12,
            QString("has %1 frames, not 8 to 12").arg(movie.frameCount()));
        c.expect(
            movie.loopCount() == -1, QString("loops %1 times, not forever").arg(movie.loopCount()));
        // The frames and their delays as the decoder gives them (QMovie's own
        // delay subtracts the time it took to decode, so it varies).
        QImageReader reader(c.path());
        int frames = 0;
        for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read(), ++frames) {
            c.expect(
                frame.size() == QSize(120, 64), QString("frame %1 is not 120 x 64").arg(frames));
            c.expect(reader.nextImageDelay() == 100,
                QString("frame %1 does not last 100 ms").arg(frames));
            int clear = 0;
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x)
                    clear += qAlpha(frame.pixel(x, y)) == 0 ? 1 : 0;
            c.expect(clear > frame.width() * frame.height() / 2
                    && clear < frame.width() * frame.height(),
                QString("frame %1 is not mostly see-through with something drawn").arg(frames));
        }
        c.expect(frames == movie.frameCount(), "its frames cannot all be read");
    }
    return c.finish();
}

bool checkSound(const QString &root)
{
    FileCheck c(root, "media/hound.wav");
    if (c.opened()) {
        const QByteArray &b = c.bytes();
        c.expect(b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt ", "is not a RIFF WAVE file");
        c.expect(le16(b, 20) == 1 && le16(b, 22) == 1 && le32(b, 24) == 22050 && le16(b, 34) == 16,
            "is not 16-bit PCM mono at 22050 Hz");
        c.expect(b.mid(36, 4) == "data" && le32(b, 40) == b.size() - 44, "has a wrong data chunk");
        const qint64 count = (b.size() - 44) / 2;
        const double seconds = static_cast<double>(count) / 22050;
        c.expect(seconds >= 1 && seconds <= 2, QString("lasts %1 s, not 1 to 2 s").arg(seconds));
        int peak = 0;
        for (qint64 i = 0; i < count; ++i)
            peak = std::max(peak,
                std::abs(
                    static_cast<int>(static_cast<qint16>(le16(b, static_cast<int>(44 + 2 * i))))));
        const int first = static_cast<qint16>(le16(b, 44));
        const int last = static_cast<qint16>(le16(b, static_cast<int>(b.size() - 2)));
        c.expect(peak > 3000 && peak < 29000, QString("peaks at %1, not a gentle level").arg(peak));
        c.expect(std::abs(first) < 64 && std::abs(last) < 64, "does not start and end in silence");
    }
    return c.finish();
}

// The GIF encoder against Qt's decoder on noise, which fills the code table
// many times over and so exercises every code width and the table resets.
bool checkGifEncoder()
{
    bool ok = true;
    Rng rng(7);
    for (const int colours : {2, 16, 256}) {
        QImage image(173, 97, QImage::Format_Indexed8);
        QList<QRgb> table;
        for (int i = 0; i < colours; ++i)
            table.append(qRgb(i, (i * 37) & 0xFF, (i * 91) & 0xFF));
        image.setColorTable(table);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(
                    x, y, static_cast<uint>(y < 40 ? rng.next() % colours : (x / 7) % colours));
        const QByteArray bytes
            = colours == 256 ? encodeGif87(image) : encodeGifAnimation({image, image}, 10, 0);
        QBuffer buffer;
        buffer.setData(bytes);
        const QImage back
            = QImageReader(&buffer, "gif").read().convertToFormat(QImage::Format_RGB32);
        bool same = back.size() == image.size();
        for (int y = 0; same && y < image.height(); ++y)
            for (int x = 0; same && x < image.width(); ++x)
                same = (back.pixel(x, y) & 0xFFFFFF) == (image.pixel(x, y) & 0xFFFFFF)
                    || (colours != 256 && image.pixelIndex(x, y) == 0);
        out() << (same ? "ok      " : "FAILED  ") << "GIF encoder round trip, " << colours
              << " colours" << Qt::endl;
        ok &= same;
    }
    return ok;
}

} // namespace

bool checkAssets(const QString &root)
{
    bool ok = checkGifEncoder();
    ok &= checkIcon(root, "ui/pictures/icon.ico", false);
    ok &= checkIcon(root, "ui/pictures/about.ico", true);
    ok &= checkPng(root, "ui/pictures/icon.png", 32);
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        ok &= checkPng(root, QString("ui/pictures/icons/figurewheel-%1.png").arg(size), size);
    ok &= checkBmp(root, "ui/pictures/background.bmp", QSize(591, 404), 24, 717558);
    ok &= checkBmp(root, "ui/pictures/splash.bmp", QSize(640, 471), 8, 302518);
    if (QFile::exists(QDir(root).filePath("ui/pictures/help.bmp")))
        ok &= checkBmp(root, "ui/pictures/help.bmp", QSize(814, 676), 8, 552694)
            & checkPicture(root, "ui/pictures/help-shot.png", "png", QSize(633, 467));
    ok &= checkSunrise(root);
    ok &= checkDancers(root);
    ok &= checkSound(root);
    return ok;
}

} // namespace art
