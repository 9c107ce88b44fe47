#include "HelpPicture.h"

#include <QFont>
#include <QPainter>

#include <cmath>

namespace art {

QImage drawStandInScreenshot(const QImage &background)
{
    // The main window as the game lays it out, with a menu bar above the
    // client area; positions in twips, 15 to a pixel.
    constexpr int kMenu = 24;
    QImage shot(634, 467, QImage::Format_RGB32);
    QPainter p(&shot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const auto at = [](double l, double t, double w, double h) {
        return QRectF(l / 15, t / 15 + kMenu, w / 15, h / 15);
    };
    const auto font = [](double points, bool bold, bool italic = false) {
        QFont f("DejaVu Sans");
        f.setPixelSize(static_cast<int>(std::lround(points * 4 / 3)));
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    };
    const auto box = [&](QRectF r, QColor fill, QColor ink, const QFont &f, const QString &text) {
        p.fillRect(r, fill);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(ink);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, text);
    };
    const auto button = [&](QRectF r, const QString &text, const QFont &f) {
        p.fillRect(r, QColor(230, 230, 230));
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(Qt::black);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, text);
    };
    const auto label = [&](QRectF r, QColor ink, const QFont &f, const QString &text,
                           int align = Qt::AlignLeft) {
        p.setPen(ink);
        p.setFont(f);
        p.drawText(r, align | Qt::AlignTop, text);
    };

    p.fillRect(QRect(0, 0, 634, kMenu), QColor(240, 240, 240));
    label(QRectF(8, 4, 600, 20), Qt::black, font(9, false),
        "Who's the Best?      How Do I Play?      Who Wrote Figurewheel?");
    p.drawImage(QRectF(0, kMenu, 641, 481), background);
    p.fillRect(at(0, 0, 9504, 504), QColor(236, 236, 236));
    for (int n = 2; n <= 6; ++n)
        button(at(120 + (n - 2) * 480, 0, 492, 372), QString::number(n),
            font(n == 4 ? 14 : 10, false));
    button(at(240, 720, 1095, 495), "New Game", font(8, false));
    box(at(240, 1200, 1095, 675), Qt::white, Qt::red, font(24, false), "17");
    label(at(3360, 600, 2652, 372), Qt::red, font(12, true), "Combine these");
    label(at(8040, 600, 1452, 372), Qt::red, font(13.8, true), "To make this");
    const int pool[][2] = {{3480, 1200}, {3000, 1440}, {3960, 960}, {3960, 1440}};
    const QColor poolColours[] = {Qt::yellow, Qt::green, Qt::cyan, Qt::cyan};
    const char *poolTexts[] = {"", "", "3", "4"};
    for (int i = 0; i < 4; ++i)
        box(at(pool[i][0], pool[i][1], 375, 495), poolColours[i], Qt::black, font(18, true),
            poolTexts[i]);
    const int ops[][2] = {{6000, 1200}, {6360, 1200}, {6000, 1560}, {6360, 1560}};
    const char *opTexts[] = {"+", "X", "--", " /"};
    for (int i = 0; i < 4; ++i)
        box(at(ops[i][0], ops[i][1], 315, 345), Qt::red, Qt::black, font(12, true), opTexts[i]);
    box(at(8040, 1200, 1335, 495), QColor(192, 192, 192), Qt::black, font(24, true), "24");
    const QRectF frame = at(1560, 3120, 6495, 1095);
    p.fillRect(frame, QColor(255, 255, 128));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawRect(frame.adjusted(0.5, 6.5, -0.5, -0.5));
    label(frame.adjusted(8, 0, 0, 0), Qt::black, font(8, false), "Your Guess");
    const int cells[] = {1800, 2880, 4080, 5184};
    const char *cellTexts[] = {"5", "", "", ""};
    for (int i = 0; i < 4; ++i)
        box(at(cells[i], 3480, 375, 495), Qt::blue, QColor(255, 255, 128), font(18, true),
            cellTexts[i]);
    const int gaps[] = {2400, 3480, 4680};
    for (int i = 0; i < 3; ++i)
        box(at(gaps[i], 3600, 315, 345), Qt::red, Qt::black, font(12, true), i == 0 ? "X" : "");
    box(at(8160, 3360, 1335, 615), QColor(0, 0, 192), QColor(255, 255, 128), font(24, true), "5");
    button(at(240, 4680, 1095, 495), "Answer", font(8, false));
    button(at(240, 5160, 1095, 495), "Hint", font(8, false));
    p.fillRect(at(0, 6372, 9504, 276), QColor(236, 236, 236));
    label(at(60, 6390, 9000, 276), Qt::black, font(8, false), "Have fun with the numbers!");
    p.end();
    return shot;
}

} // namespace art
