#include "HelpPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// The screenshot keeps its own pixels when it is the expected size; it sits
// to the right, leaving a margin at the left and top for the callouts.
constexpr QSizeF kShotBox(634, 467);
constexpr QPointF kShotOrigin(168, 138);

const QColor kInk(20, 34, 120);
const QColor kArrow(226, 70, 36);

QFont calloutFont()
{
    QFont font("DejaVu Sans");
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

struct Callout {
    QString text;
    QPointF tip;   // where the arrow points, on the canvas
    QRectF bubble; // sized to the text by layoutBubble
    QPointF tail;  // where the arrow leaves the bubble
    QPointF bend;  // the arrow's control point
};

// Sizes a bubble of the given width to its text, then places it with the
// given corner while keeping it on the canvas.
QRectF layoutBubble(const QString &text, double width, QPointF topLeft)
{
    const QFontMetricsF metrics(calloutFont());
    const QRectF textBox = metrics.boundingRect(
        QRectF(0, 0, width - 28, 1000), Qt::TextWordWrap | Qt::AlignCenter, text);
    QRectF box(topLeft, QSizeF(width, textBox.height() + 22));
    box.moveLeft(std::clamp(box.left(), 6.0, kHelpWidth - 6.0 - box.width()));
    box.moveTop(std::clamp(box.top(), 6.0, kHelpHeight - 10.0 - box.height()));
    return box;
}

void drawBubble(QPainter &p, const Callout &c)
{
    // Shadow, body, then the text.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 40, 60));
    p.drawRoundedRect(c.bubble.translated(4, 5), 16, 16);
    QLinearGradient body(c.bubble.topLeft(), c.bubble.bottomLeft());
    body.setColorAt(0, QColor(255, 255, 248));
    body.setColorAt(1, QColor(255, 244, 196));
    p.setBrush(body);
    p.setPen(QPen(kInk, 2.5));
    p.drawRoundedRect(c.bubble, 16, 16);
    p.setFont(calloutFont());
    p.setPen(kInk);
    p.drawText(c.bubble.adjusted(14, 11, -14, -11), Qt::TextWordWrap | Qt::AlignCenter, c.text);
}

void drawArrow(QPainter &p, const Callout &c)
{
    // A glow round the spot the arrow points at.
    QRadialGradient glow(c.tip, 22);
    glow.setColorAt(0, QColor(255, 240, 80, 150));
    glow.setColorAt(1, QColor(255, 240, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c.tip, 22, 22);

    // The shaft stops short of the tip, where the head takes over.
    const QPointF towards = c.tip - c.bend;
    const double len = std::max(1.0, std::hypot(towards.x(), towards.y()));
    const QPointF unit = towards / len;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF headBase = c.tip - unit * 15;
    QPainterPath shaft(c.tail);
    shaft.quadTo(c.bend, headBase);
    QPainterPath head(c.tip);
    head.lineTo(headBase + normal * 8);
    head.lineTo(headBase - normal * 8);
    head.closeSubpath();

    // A white edge keeps the arrow clear over any part of the screenshot.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shaft);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(head);
    p.setPen(QPen(kArrow, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.setPen(QPen(kArrow, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kArrow);
    p.drawPath(head);
}

} // namespace

QImage composeHelpPicture(const QImage &screenshot, const HelpAnchors &anchors)
{
    QImage canvas(kHelpWidth, kHelpHeight, QImage::Format_RGB32);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient paper(0, 0, 0, kHelpHeight);
    paper.setColorAt(0, QColor(252, 247, 228));
    paper.setColorAt(1, QColor(222, 234, 250));
    p.fillRect(canvas.rect(), paper);

    // Fit the screenshot in its box, keeping its shape.
    const QSizeF shotSize = QSizeF(screenshot.size()).scaled(kShotBox, Qt::KeepAspectRatio);
    const double scale = shotSize.width() / screenshot.width();
    const QRectF shot(kShotOrigin, shotSize);
    p.fillRect(shot.translated(5, 6), QColor(0, 0, 40, 70));
    p.drawImage(shot, screenshot);
    p.setPen(QPen(QColor(60, 60, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(shot.adjusted(-0.5, -0.5, 0.5, 0.5));

    const auto onCanvas = [&](QPointF at) { return kShotOrigin + at * scale; };

    Callout count {"How many numbers do you want?", onCanvas(anchors.countButtons), {}, {}, {}};
    count.bubble
        = layoutBubble(count.text, 380, QPointF(count.tip.x() - 70, kShotOrigin.y() - 112));
    count.tail = QPointF(count.bubble.left() + 120, count.bubble.bottom());
    count.bend = QPointF(count.tail.x(), (count.tail.y() + count.tip.y()) / 2);

    Callout row {"Drag numbers and operators here until your guess matches the target box!",
        onCanvas(anchors.playerRow), {}, {}, {}};
    row.bubble = layoutBubble(row.text, 390, QPointF(row.tip.x() - 250, row.tip.y() - 96));
    // From the bubble's right end, bending over to the row.
    row.tail = QPointF(row.bubble.right(), row.bubble.center().y());
    row.bend = QPointF(row.tip.x() + 10, row.tail.y());

    Callout answer {"Click here to see the answer", onCanvas(anchors.answer), {}, {}, {}};
    answer.bubble
        = layoutBubble(answer.text, 150, QPointF(kShotOrigin.x() - 162, answer.tip.y() - 120));
    answer.tail = QPointF(answer.bubble.center().x() + 10, answer.bubble.bottom());
    answer.bend = QPointF(answer.tail.x() + 6, answer.tip.y() - 4);

    Callout hint {"Click here for a hint", onCanvas(anchors.hint), {}, {}, {}};
    hint.bubble = layoutBubble(hint.text, 210, QPointF(kShotOrigin.x() - 150, hint.tip.y() + 58));
    hint.tail = QPointF(hint.bubble.left() + 60, hint.bubble.top());
    hint.bend = QPointF(hint.tail.x(), hint.tip.y() + 8);

    const Callout all[] = {count, row, answer, hint};
    for (const Callout &c : all)
        drawArrow(p, c);
    for (const Callout &c : all)
        drawBubble(p, c);
    p.end();
    return canvas;
}

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
