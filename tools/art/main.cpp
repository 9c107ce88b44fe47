// art: makes every picture, the sound and the animation of Figurewheel.
//
//   art --all ROOT                  (re)generate every asset under the repository ROOT
//   art --check ROOT                read every asset back with Qt and check it
//   art --help-picture SHOT OUT [--count X,Y] [--row X,Y] [--answer X,Y] [--hint X,Y]
//                                   compose the help picture (8-bit BMP) from a
//                                   PNG screenshot of the main window; anchors in
//                                   the screenshot's pixels
//   art --stand-in-shot OUT         draw a stand-in screenshot (PNG) to try it on

#include "Check.h"
#include "Encoders.h"
#include "HelpPicture.h"
#include "Pictures.h"
#include "Quantize.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool report(bool ok, const QString &path)
{
    if (ok)
        QTextStream(stdout) << "wrote " << path << Qt::endl;
    else
        err() << "art: cannot write " << path << Qt::endl;
    return ok;
}

// A picture with partial transparency as the 16-colour icon: edges are
// blended onto the grey the About box shows it on, then cut by the mask.
QImage iconWithMask(const QImage &drawn, const QColor &matte, const QList<QRgb> &keyColours)
{
    QImage flat(drawn.size(), QImage::Format_ARGB32);
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (c.alphaF() < 0.5f) {
                flat.setPixelColor(x, y, Qt::transparent);
                continue;
            }
            const float a = c.alphaF();
            auto blend = [a](float v, float m) { return v * a + m * (1 - a); };
            flat.setPixelColor(x, y,
                QColor::fromRgbF(blend(c.redF(), matte.redF()), blend(c.greenF(), matte.greenF()),
                    blend(c.blueF(), matte.blueF())));
        }
    // The key colours are kept exactly; median cut fills the rest with the
    // blends along the edges.
    QList<QRgb> palette {qRgba(0, 0, 0, 0)};
    palette.append(keyColours);
    palette.append(art::medianCutPalette(flat, 15 - static_cast<int>(keyColours.size())));
    return art::toIndexed(flat, art::padded(palette, 16), 0, 0);
}

bool writeAll(const QString &root)
{
    const QDir dir(root);
    if (!dir.mkpath("ui/pictures/icons") || !dir.mkpath("media")) {
        err() << "art: cannot make the folders under " << root << Qt::endl;
        return false;
    }
    const QString pictures = dir.filePath("ui/pictures/");
    const QString media = dir.filePath("media/");
    bool ok = true;

    // Window icon: 16 colours for the ICO, full colour for the icon theme.
    {
        const QImage drawn = art::drawWindowIcon(32);
        const QImage indexed
            = art::toIndexed(drawn, art::padded(art::medianCutPalette(drawn, 16), 16), 0);
        ok &= report(
            art::writeFile(pictures + "icon.ico", art::encodeIco4(indexed)), pictures + "icon.ico");
        ok &= report(drawn.save(pictures + "icon.png"), pictures + "icon.png");
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString path = pictures + QString("icons/figurewheel-%1.png").arg(size);
            ok &= report(art::drawWindowIcon(size).save(path), path);
        }
    }
    {
        const QImage indexed
            = iconWithMask(art::drawAboutIcon(32), QColor(192, 192, 192), art::aboutIconColours());
        ok &= report(art::writeFile(pictures + "about.ico", art::encodeIco4(indexed, 0)),
            pictures + "about.ico");
    }
    {
        const QImage painting = art::paintBackground().convertToFormat(QImage::Format_RGB32);
        ok &= report(
            art::saveBmp(painting, pictures + "background.bmp"), pictures + "background.bmp");
    }
    {
        const QImage painting = art::paintSplash();
        const QImage indexed = art::toIndexed(
            painting, art::padded(art::medianCutPalette(painting, 256), 256), 0.85);
        ok &= report(art::saveBmp(indexed, pictures + "splash.bmp"), pictures + "splash.bmp");
    }
    {
        const QImage picture = art::paintSunrise();
        const QImage indexed
            = art::toIndexed(picture, art::padded(art::medianCutPalette(picture, 256), 256), 0.5);
        ok &= report(art::writeFile(pictures + "hooray.gif", art::encodeGif87(indexed)),
            pictures + "hooray.gif");
    }
    {
        const QList<QImage> frames = art::drawDancers();
        // One palette for the whole dance, taken from all frames together.
        QImage strip(frames.front().width(),
            frames.front().height() * static_cast<int>(frames.size()), QImage::Format_ARGB32);
        strip.fill(Qt::transparent);
        {
            QPainter p(&strip);
            for (int i = 0; i < frames.size(); ++i)
                p.drawImage(0, i * frames.front().height(), frames[i]);
        }
        QList<QRgb> palette {qRgba(0, 0, 0, 0)};
        palette.append(art::medianCutPalette(strip, 31));
        palette = art::padded(palette, 32);
        QList<QImage> indexed;
        for (const QImage &frame : frames)
            indexed.append(art::toIndexed(frame, palette, 0, 0));
        ok &= report(art::writeFile(media + "dancers.gif",
                         art::encodeGifAnimation(indexed, art::kDancerFrameDelayCs, 0)),
            media + "dancers.gif");
    }
    ok &= report(art::writeFile(media + "hound.wav",
                     art::encodeWav(art::synthesizeHound(), art::kHoundSampleRate)),
        media + "hound.wav");
    return ok;
}

std::optional<QPointF> parsePoint(const QString &text)
{
    const QStringList parts = text.split(',');
    if (parts.size() != 2)
        return std::nullopt;
    bool okX = false, okY = false;
    const double x = parts[0].toDouble(&okX);
    const double y = parts[1].toDouble(&okY);
    if (!okX || !okY)
        return std::nullopt;
    return QPointF(x, y);
}

int helpPicture(const QStringList &args)
{
    if (args.size() < 4) {
        err() << "usage: art --help-picture SHOT.png OUT.bmp [--count X,Y] [--row X,Y] [--answer "
                 "X,Y] [--hint X,Y]"
              << Qt::endl;
        return 2;
    }
    art::HelpAnchors anchors;
    for (int i = 4; i < args.size(); i += 2) {
        const std::optional<QPointF> point
            = i + 1 < args.size() ? parsePoint(args[i + 1]) : std::nullopt;
        QPointF *target = args[i] == "--count" ? &anchors.countButtons
            : args[i] == "--row"               ? &anchors.playerRow
            : args[i] == "--answer"            ? &anchors.answer
            : args[i] == "--hint"              ? &anchors.hint
                                               : nullptr;
        if (!target || !point) {
            err() << "art: expected --count, --row, --answer or --hint followed by X,Y near "
                  << args[i] << Qt::endl;
            return 2;
        }
        *target = *point;
    }
    const QImage shot(args[2]);
    if (shot.isNull()) {
        err() << "art: cannot read the screenshot " << args[2] << Qt::endl;
        return 1;
    }
    const QImage composed = art::composeHelpPicture(shot, anchors);
    const QImage indexed
        = art::toIndexed(composed, art::padded(art::medianCutPalette(composed, 256), 256), 0.5);
    // The screenshot alone, beside the picture, for the game to draw the
    // picture again in other languages.
    const QImage rgb = shot.convertToFormat(QImage::Format_RGB32);
    const QImage shotIndexed = art::toIndexed(rgb, art::medianCutPalette(rgb, 256), 0.5);
    const QString shotOut = QFileInfo(args[3]).dir().filePath("help-shot.png");
    return report(art::saveBmp(indexed, args[3]), args[3])
            && report(shotIndexed.save(shotOut, "PNG", 0), shotOut)
        ? 0
        : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);

    if (mode == "--all" && args.size() == 3)
        return writeAll(args[2]) ? 0 : 1;
    if (mode == "--check" && args.size() == 3)
        return art::checkAssets(args[2]) ? 0 : 1;
    if (mode == "--help-picture")
        return helpPicture(args);
    if (mode == "--stand-in-shot" && args.size() == 3) {
        const QImage shot = art::drawStandInScreenshot(art::paintBackground());
        return report(shot.save(args[2]), args[2]) ? 0 : 1;
    }
    err() << "usage: art --all ROOT | --check ROOT | --help-picture SHOT.png OUT.bmp [anchors] | "
             "--stand-in-shot OUT.png"
          << Qt::endl;
    return 2;
}
