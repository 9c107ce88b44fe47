#include "shell/HelpCallouts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace fw::help {
namespace {

// The screenshot keeps its own pixels when it is the expected size; it sits
// to the right, leaving a margin at the left and top for the callouts.
constexpr QSizeF kShotBox(634, 467);
constexpr QPointF kShotOrigin(168, 138);

const QColor kInk(20, 34, 120);
const QColor kArrow(226, 70, 36);

// The margin between a bubble's edge and its text.
constexpr double kBubblePadX = 14;
constexpr double kBubblePadY = 11;

struct Callout {
    QString text;
    QPointF tip;   // where the arrow points, on the canvas
    QRectF bubble; // sized to the text by layoutBubble
    QPointF tail;  // where the arrow leaves the bubble
    QPointF bend;  // the arrow's control point
};

// Sizes a bubble of the given width to its text, then places it with the
// given corner while keeping it on the canvas. A bubble placed for a number
// of lines (its English text's) that takes more grows upwards, clear of what
// lies below it; otherwise it grows downwards.
QRectF layoutBubble(const QString &text, double width, QPointF topLeft, int placedForLines = 0)
{
    const QFontMetricsF metrics(calloutFont());
    const QRectF textBox = metrics.boundingRect(
        QRectF(0, 0, width - 2 * kBubblePadX, 1000), Qt::TextWordWrap | Qt::AlignCenter, text);
    QRectF box(topLeft, QSizeF(width, textBox.height() + 2 * kBubblePadY));
    const double beyond = textBox.height() - placedForLines * metrics.lineSpacing();
    if (placedForLines > 0 && beyond > 1)
        box.translate(0, -beyond);
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
    p.drawText(c.bubble.adjusted(kBubblePadX, kBubblePadY, -kBubblePadX, -kBubblePadY),
        Qt::TextWordWrap | Qt::AlignCenter, c.text);
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

// The four callouts of a screenshot of the given size, sized to their texts:
// how many numbers, the row, "Answer" and "Hint".
std::array<Callout, 4> layOutCallouts(
    QSize screenshot, const HelpAnchors &anchors, const CalloutTexts &texts)
{
    const QSizeF shotSize = QSizeF(screenshot).scaled(kShotBox, Qt::KeepAspectRatio);
    const double scale = shotSize.width() / screenshot.width();
    const auto onCanvas = [&](QPointF at) { return kShotOrigin + at * scale; };

    Callout count {texts.countButtons, onCanvas(anchors.countButtons), {}, {}, {}};
    count.bubble
        = layoutBubble(count.text, 380, QPointF(count.tip.x() - 70, kShotOrigin.y() - 112));
    count.tail = QPointF(count.bubble.left() + 120, count.bubble.bottom());
    count.bend = QPointF(count.tail.x(), (count.tail.y() + count.tip.y()) / 2);

    Callout row {texts.playerRow, onCanvas(anchors.playerRow), {}, {}, {}};
    row.bubble = layoutBubble(row.text, 390, QPointF(row.tip.x() - 250, row.tip.y() - 96), 2);
    // From the bubble's right end, bending over to the row.
    row.tail = QPointF(row.bubble.right(), row.bubble.center().y());
    row.bend = QPointF(row.tip.x() + 10, row.tail.y());

    Callout answer {texts.answer, onCanvas(anchors.answer), {}, {}, {}};
    answer.bubble
        = layoutBubble(answer.text, 150, QPointF(kShotOrigin.x() - 162, answer.tip.y() - 120), 3);
    answer.tail = QPointF(answer.bubble.center().x() + 10, answer.bubble.bottom());
    answer.bend = QPointF(answer.tail.x() + 6, answer.tip.y() - 4);

    Callout hint {texts.hint, onCanvas(anchors.hint), {}, {}, {}};
    hint.bubble = layoutBubble(hint.text, 210, QPointF(kShotOrigin.x() - 150, hint.tip.y() + 58));
    hint.tail = QPointF(hint.bubble.left() + 60, hint.bubble.top());
    hint.bend = QPointF(hint.tail.x(), hint.tip.y() + 8);

    return {count, row, answer, hint};
}

} // namespace

QFont calloutFont()
{
    QFont font("DejaVu Sans");
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

std::array<QRectF, 4> calloutBubbles(
    QSize screenshot, const HelpAnchors &anchors, const CalloutTexts &texts)
{
    const auto callouts = layOutCallouts(screenshot, anchors, texts);
    return {callouts[0].bubble, callouts[1].bubble, callouts[2].bubble, callouts[3].bubble};
}

double calloutTextWidth(const QRectF &bubble)
{
    return bubble.width() - 2 * kBubblePadX;
}

QImage composeHelpPicture(
    const QImage &screenshot, const HelpAnchors &anchors, const CalloutTexts &texts)
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
    const QRectF shot(kShotOrigin, shotSize);
    p.fillRect(shot.translated(5, 6), QColor(0, 0, 40, 70));
    p.drawImage(shot, screenshot);
    p.setPen(QPen(QColor(60, 60, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(shot.adjusted(-0.5, -0.5, 0.5, 0.5));

    const auto all = layOutCallouts(screenshot.size(), anchors, texts);
    for (const Callout &c : all)
        drawArrow(p, c);
    for (const Callout &c : all)
        drawBubble(p, c);
    p.end();
    return canvas;
}

} // namespace fw::help
