#include "shell/HelpPicture.h"

#include "shell/HelpCallouts.h"
#include "ui/Colors.h"
#include "ui/Fonts.h"
#include "ui/Pictures.h"
#include "ui/Translations.h"

#include <QFontMetrics>
#include <QPainter>

namespace fw {

namespace {

// What the callouts say, as the art tool writes them in English.
const char *const kCallouts[] = {
    QT_TRANSLATE_NOOP("Figurewheel", "How many numbers do you want?"),
    QT_TRANSLATE_NOOP(
        "Figurewheel", "Drag numbers and operators here until your guess matches the target box!"),
    QT_TRANSLATE_NOOP("Figurewheel", "Click here to see the answer"),
    QT_TRANSLATE_NOOP("Figurewheel", "Click here for a hint"),
};

// The menu titles, left to right, as the main window's menu bar shows them.
const char *const kMenuTitles[] = {
    QT_TRANSLATE_NOOP("Figurewheel", "Who's the Best?"),
    QT_TRANSLATE_NOOP("Figurewheel", "How Do I Play?"),
    QT_TRANSLATE_NOOP("Figurewheel", "Who Wrote Figurewheel?"),
};

// The screenshot's client area starts below the menu bar; the captions stand
// where the main window places its controls, in pixels of the shot.
constexpr int kClientTop = 19;

// clang-format off
const struct {
    const char *text;
    QRect box;
    Wipe wipe;
    int clearColumn;
    double points;
    bool bold;
    QColor ink;
    Qt::Alignment align;
    bool narrows; // a label, whose face narrows to fit as the window's does
} kCaptions[] = {
    {"New Game", {17, 68, 71, 31}, Wipe::RowColour, 19, 8, false, Qt::black, Qt::AlignCenter, false},
    {"Answer", {17, 332, 71, 31}, Wipe::RowColour, 19, 8, false, Qt::black, Qt::AlignCenter, false},
    {"Hint", {17, 364, 71, 31}, Wipe::RowColour, 19, 8, false, Qt::black, Qt::AlignCenter, false},
    {"Combine these", {224, 59, 177, 25}, Wipe::Background, 0, 12, true, ui::kRed, Qt::AlignLeft | Qt::AlignVCenter, true},
    {"To make this", {536, 59, 97, 25}, Wipe::Background, 0, 13.8, true, ui::kRed, Qt::AlignLeft | Qt::AlignVCenter, true},
    {"Your Guess", {104, 228, 180, 15}, Wipe::RowColour, 400, 8, false, Qt::black, Qt::AlignLeft | Qt::AlignTop, false},
    {"Welcome to Figurewheel! Make the target and beat the clock. - Fig W.", {2, 449, 631, 18}, Wipe::RowColour, 632, 8, false, Qt::black, Qt::AlignLeft | Qt::AlignVCenter, false},
};
// clang-format on

// The menu bar: its titles, left to right, from where the first one's text
// starts, a gap apart.
constexpr QRect kMenuBar(0, 0, 633, 18);
constexpr int kMenuFirstTitle = 10;
constexpr int kMenuTitleGap = 15;

void wipe(QImage &shot, const QImage &background, const PicturedCaption &caption)
{
    const QRect &box = caption.box;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(shot.scanLine(y));
        const QRgb face = row[caption.clearColumn];
        for (int x = box.left(); x <= box.right(); ++x) {
            if (caption.wipe == Wipe::RowColour)
                row[x] = face;
            else if (background.rect().contains(x, y - kClientTop))
                row[x] = background.pixel(x, y - kClientTop);
        }
    }
}

} // namespace

std::vector<PicturedCaption> picturedCaptions()
{
    std::vector<PicturedCaption> captions;
    for (const auto &c : kCaptions) {
        const QString text = ui::Texts::tr(c.text);
        const QFont face = ui::gameFont(c.points, c.bold);
        captions.push_back({text, c.box, c.wipe, c.clearColumn,
            c.narrows ? ui::narrowedToFit(face, text, c.box.width()) : face, c.ink, c.align});
    }
    // The menu bar of the screenshot shows the desktop's face, not the game's.
    QFont menuFace(QStringLiteral("DejaVu Sans"));
    menuFace.setPixelSize(12);
    int x = kMenuFirstTitle;
    for (const char *title : kMenuTitles) {
        const QString text = ui::Texts::tr(title);
        const int width = QFontMetrics(menuFace).horizontalAdvance(text);
        captions.push_back(
            {text, QRect(x, kMenuBar.top(), width, kMenuBar.height()), Wipe::RowColour,
                kMenuBar.right(), menuFace, Qt::black, Qt::AlignLeft | Qt::AlignVCenter});
        x += width + kMenuTitleGap;
    }
    return captions;
}

QImage helpScreenshot()
{
    QImage shot
        = QImage(QStringLiteral(":/pictures/help-shot.png")).convertToFormat(QImage::Format_RGB32);
    if (shot.isNull())
        return {};
    const QImage background
        = ui::scaledPicture(QStringLiteral(":/pictures/background.bmp"), QSize(641, 481), 1.0)
              .toImage()
              .convertToFormat(QImage::Format_RGB32);
    // The whole menu bar is wiped at once, for the titles move with their
    // lengths.
    wipe(
        shot, background, {{}, kMenuBar, Wipe::RowColour, kMenuBar.right(), {}, {}, Qt::AlignLeft});
    QPainter p(&shot);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const PicturedCaption &caption : picturedCaptions()) {
        if (!kMenuBar.contains(caption.box))
            wipe(shot, background, caption);
        p.setFont(caption.font);
        p.setPen(caption.ink);
        p.drawText(caption.box, int(caption.align), caption.text);
    }
    p.end();
    return shot;
}

QImage translatedHelpPicture()
{
    const help::CalloutTexts texts {ui::Texts::tr(kCallouts[0]), ui::Texts::tr(kCallouts[1]),
        ui::Texts::tr(kCallouts[2]), ui::Texts::tr(kCallouts[3])};
    if (texts.countButtons == QLatin1String(kCallouts[0]))
        return {};
    const QImage shot = helpScreenshot();
    if (shot.isNull())
        return {};
    return help::composeHelpPicture(shot, help::HelpAnchors {}, texts);
}

} // namespace fw
