#include "Pictures.h"

#include "Brush.h"
#include "Rng.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

// The main window's background. The game's controls cover much of it: the
// count buttons along the top, a column of buttons at the left, the number
// pool and target in the upper half and the player's row across the middle.
// So the swirls live where the sky shows between them, the band behind the
// row is calm and pale, and the sea right under the horizon is light enough
// for the dark hint text written over it.
namespace art {
namespace {

constexpr int kWidth = 591;
constexpr int kHeight = 404;
constexpr double kHorizon = 282;

struct Swirl {
    QPointF centre;
    double radius;
    double turn; // +1 clockwise on screen, -1 the other way
};

// clang-format off
const Swirl kSwirls[] = {
    {QPointF(112, 104), 74, 1},
    {QPointF(300, 38), 56, -1},
    {QPointF(448, 84), 50, 1},
};
// clang-format on
const QPointF kMoon(546, 138);
constexpr double kMoonRadius = 17;

double smooth(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

// How calm the sky is at a height: 1 in the band behind the player's row.
double calm(double y)
{
    return smooth(150, 185, y) * (1 - smooth(250, 275, y));
}

QColor skyColour(QPointF p)
{
    const double t = p.y() / kHorizon;
    QColor c
        = mix(QColor(120, 168, 78), QColor(246, 232, 150), std::pow(smooth(-0.1, 1.0, t), 0.8));
    // Broad drifting bands of yellow-green.
    const double band = 0.5 + 0.5 * std::sin(p.x() / 64 + p.y() / 30 + 1.8 * std::sin(p.x() / 140));
    c = mix(c, QColor(214, 214, 96), 0.3 * band * (1 - calm(p.y()) * 0.7));
    for (const Swirl &s : kSwirls) {
        const QPointF d = p - s.centre;
        const double r = length(d);
        const double falloff = std::exp(-std::pow(r / s.radius, 2.0) * 1.1);
        const double angle = std::atan2(d.y(), d.x()) * s.turn;
        // Rings that spiral a little as they go round.
        const double ring = 0.5 + 0.5 * std::sin(r / 6.0 + angle * 1.0);
        const QColor ringColour = mix(QColor(250, 226, 84), QColor(86, 150, 70), ring);
        c = mix(c, ringColour, 0.8 * falloff);
    }
    // The moon and its halo of yellow rings.
    const double m = length(p - kMoon);
    if (m < kMoonRadius)
        return mix(QColor(255, 250, 206), QColor(255, 226, 96), m / kMoonRadius * 0.6);
    const double halo = std::exp(-(m - kMoonRadius) / 26);
    const double haloRing = 0.5 + 0.5 * std::cos((m - kMoonRadius) / 4.2);
    c = mix(c, mix(QColor(255, 236, 120), QColor(250, 246, 200), haloRing), 0.85 * halo);
    return c;
}

QColor seaColour(QPointF p)
{
    const double depth = (p.y() - kHorizon) / (kHeight - kHorizon);
    // Misty near the horizon, deep blue towards the bottom.
    QColor c = mix(QColor(160, 176, 222), QColor(70, 92, 174), smooth(0.08, 0.55, depth));
    c = mix(c, QColor(14, 26, 86), smooth(0.4, 1.0, depth));
    // The moon's path on the water.
    const double spread = 10 + depth * 26;
    const double path = std::exp(-std::pow((p.x() - kMoon.x()) / spread, 2.0));
    const double glitter = 0.5 + 0.5 * std::sin(p.y() * 1.3 + std::sin(p.x() / 5.0) * 2);
    c = mix(c, QColor(250, 222, 110), path * (0.35 + 0.45 * glitter) * (1 - depth * 0.5));
    return c;
}

QImage reference()
{
    QImage ref(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            ref.setPixelColor(x, y, p.y() < kHorizon ? skyColour(p) : seaColour(p));
        }
    // A low blue headland far away on the right of the horizon.
    QPainter painter(&ref);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath land(QPointF(330, kHorizon));
    land.cubicTo(
        QPointF(380, kHorizon - 4), QPointF(420, kHorizon - 11), QPointF(470, kHorizon - 10));
    land.cubicTo(QPointF(520, kHorizon - 9), QPointF(560, kHorizon - 14),
        QPointF(kWidth + 2, kHorizon - 12));
    land.lineTo(QPointF(kWidth + 2, kHorizon + 1));
    land.lineTo(QPointF(330, kHorizon + 1));
    painter.fillPath(land, QColor(70, 96, 130));
    return ref;
}

double flow(QPointF p)
{
    if (p.y() >= kHorizon) {
        // The sea: long, nearly level strokes with a slow swell.
        return 0.06 * std::sin(p.x() / 34 + p.y() / 6);
    }
    QPointF v(1.0, 0.22 * std::sin(p.x() / 52 + p.y() / 38) * (1 - calm(p.y())));
    for (const Swirl &s : kSwirls) {
        const QPointF d = p - s.centre;
        const double r = std::max(1.0, length(d));
        const double pull = std::exp(-std::pow(r / (s.radius * 1.25), 2.0)) * 3.0;
        v += QPointF(-d.y(), d.x()) / r * (pull * s.turn);
    }
    const QPointF d = p - kMoon;
    const double r = std::max(1.0, length(d));
    const double pull = std::exp(-std::pow(r / 50.0, 2.0)) * 4.0;
    v += QPointF(-d.y(), d.x()) / r * pull;
    return std::atan2(v.y(), v.x());
}

// A small boat with a red sail, drawn as a few dabs of paint.
void paintBoat(QPainter &p, QPointF waterline, double scale, bool facingLeft)
{
    p.save();
    p.translate(waterline);
    p.scale(facingLeft ? -scale : scale, scale);
    QPainterPath hull(QPointF(-9, -2));
    hull.lineTo(QPointF(10, -2.5));
    hull.quadTo(QPointF(7, 1.5), QPointF(4, 1.8));
    hull.lineTo(QPointF(-6, 1.8));
    hull.closeSubpath();
    p.fillPath(hull, QColor(92, 28, 32));
    QPainterPath sail(QPointF(-1, -3.5));
    sail.lineTo(QPointF(-1, -22));
    sail.quadTo(QPointF(6, -12), QPointF(9, -3.5));
    sail.closeSubpath();
    p.fillPath(sail, QColor(214, 38, 30));
    QPainterPath jib(QPointF(-2.5, -4));
    jib.lineTo(QPointF(-2.5, -18));
    jib.quadTo(QPointF(-6, -9), QPointF(-8, -4));
    jib.closeSubpath();
    p.fillPath(jib, QColor(190, 26, 30));
    // Light catching the sails.
    p.setPen(QPen(QColor(255, 120, 84, 200), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.3, -19), QPointF(0.6, -6));
    p.setPen(QPen(QColor(60, 20, 20), 0.9));
    p.drawLine(QPointF(-1.7, -2.5), QPointF(-1.7, -23));
    p.restore();
    // Its reflection, broken by the water.
    for (int i = 0; i < 4; ++i) {
        const double y = waterline.y() + 3 + i * 2.6;
        const double half = (5.5 - i) * scale;
        p.setPen(QPen(QColor(196, 60, 60, 150 - i * 30), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(waterline.x() - half + i, y), QPointF(waterline.x() + half - i, y));
    }
}

} // namespace

QImage paintBackground()
{
    Rng rng(0xF16E1);
    const QImage ref = reference();
    QImage canvas = ref.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    const auto busy = [](QPointF p) { return calm(p.y()) < 0.5; };
    const auto quiet = [](QPointF p) { return calm(p.y()) >= 0.5; };

    StrokePass broad;
    broad.count = 9000;
    broad.minLength = 12;
    broad.maxLength = 30;
    broad.minWidth = 5;
    broad.maxWidth = 8;
    broad.opacity = 0.8;
    broad.jitter = 0.05;
    broad.edgeTolerance = 70;
    paintStrokes(canvas, ref, flow, broad, rng);

    StrokePass lively = broad;
    lively.count = 16000;
    lively.minLength = 8;
    lively.maxLength = 20;
    lively.minWidth = 3;
    lively.maxWidth = 5;
    lively.opacity = 0.9;
    lively.jitter = 0.07;
    lively.edgeTolerance = 55;
    paintStrokes(canvas, ref, flow, lively, rng, busy);

    StrokePass soft = lively;
    soft.count = 5000;
    soft.minLength = 14;
    soft.maxLength = 30;
    soft.jitter = 0.025;
    soft.opacity = 0.7;
    paintStrokes(canvas, ref, flow, soft, rng, quiet);

    // Fine strokes where the swirls and the moon turn.
    StrokePass fine = lively;
    fine.count = 9000;
    fine.minLength = 5;
    fine.maxLength = 12;
    fine.minWidth = 1.8;
    fine.maxWidth = 3;
    fine.jitter = 0.08;
    fine.edgeTolerance = 40;
    paintStrokes(canvas, ref, flow, fine, rng, [](QPointF p) {
        if (length(p - kMoon) < 60)
            return true;
        for (const Swirl &s : kSwirls)
            if (length(p - s.centre) < s.radius * 1.1)
                return true;
        return p.y() > kHorizon;
    });

    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        // Two red boats on the horizon at the lower left.
        paintBoat(p, QPointF(112, kHorizon + 1), 0.95, false);
        paintBoat(p, QPointF(150, kHorizon + 2), 0.75, true);
        // A thin bright line where sky meets sea.
        p.setPen(QPen(QColor(255, 244, 196, 90), 1.2));
        p.drawLine(QPointF(0, kHorizon - 0.5), QPointF(330, kHorizon - 0.5));
    }

    addCanvasTexture(canvas, 3.0, rng);
    return canvas.convertToFormat(QImage::Format_RGB32);
}

} // namespace art
