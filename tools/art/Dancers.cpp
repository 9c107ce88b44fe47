#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

// Three little dancers for the celebration. Each frame is drawn on a clear
// background; the GIF keeps only fully opaque or fully clear pixels, so every
// shape has a dark outline that makes its cut edge look drawn, over whatever
// part of the sunrise picture lies behind.
namespace art {
namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 64;
constexpr int kFrames = 10;
constexpr double kGround = 61;

const QColor kOutline(42, 26, 52);

struct Look {
    QColor shirt, legs, skin, hair;
    bool skirt;
};

// Angles in degrees, 0 pointing straight down, positive swinging to the
// figure's right (the picture's left is negative x).
struct Pose {
    double hop;          // lift off the ground
    double sway;         // sideways shift of the hips
    double lean;         // tilt of the body
    double armL, elbowL; // upper arm and forearm of the left arm
    double armR, elbowR;
    double legL, kneeL;
    double legR, kneeR;
};

QPointF limb(QPointF from, double degrees, double length)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return from + QPointF(-std::sin(a), std::cos(a)) * length;
}

void stroke(QPainter &p, const QList<QPointF> &points, const QColor &colour, double width)
{
    QPainterPath path(points.front());
    for (qsizetype i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, width + 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void dot(QPainter &p, QPointF at, double radius, const QColor &colour)
{
    p.setPen(QPen(kOutline, 1.3));
    p.setBrush(colour);
    p.drawEllipse(at, radius, radius);
}

void drawDancer(QPainter &p, double x, const Look &look, const Pose &pose)
{
    const double hipY = kGround - 17 - pose.hop;
    const QPointF hip(x + pose.sway, hipY);
    const QPointF neck = limb(hip, 180 + pose.lean, 15);
    const QPointF shoulderL = neck + QPointF(-3.5, 1.5);
    const QPointF shoulderR = neck + QPointF(3.5, 1.5);

    // Legs first, behind the body.
    const QPointF kneeL = limb(hip + QPointF(-2.5, 0), pose.legL, 8.5);
    const QPointF footL = limb(kneeL, pose.legL + pose.kneeL, 8.5);
    const QPointF kneeR = limb(hip + QPointF(2.5, 0), pose.legR, 8.5);
    const QPointF footR = limb(kneeR, pose.legR + pose.kneeR, 8.5);
    stroke(p, {hip + QPointF(-2.5, 0), kneeL, footL}, look.legs, 3.6);
    stroke(p, {hip + QPointF(2.5, 0), kneeR, footR}, look.legs, 3.6);
    stroke(p, {footL, footL + QPointF(-3.2, 0.4)}, kOutline, 2.6);
    stroke(p, {footR, footR + QPointF(3.2, 0.4)}, kOutline, 2.6);

    // The body: a shirt, or a dress that flares with the dance.
    QPainterPath body;
    if (look.skirt) {
        const double flare = 7.5 + pose.sway * 0.6;
        body.moveTo(neck + QPointF(-4, 0));
        body.lineTo(neck + QPointF(4, 0));
        body.lineTo(hip + QPointF(flare, 4));
        body.quadTo(hip + QPointF(0, 7), hip + QPointF(-7.5 + pose.sway * 0.6, 4));
        body.closeSubpath();
    } else {
        body.addRoundedRect(QRectF(-5, 0, 10, 16), 3.5, 3.5);
        QTransform t;
        t.translate(neck.x(), neck.y() - 1);
        t.rotate(pose.lean);
        body = t.map(body);
    }
    p.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(look.shirt);
    p.drawPath(body);

    // Arms over the body, hands as dots.
    const QPointF elbowL = limb(shoulderL, pose.armL, 6.5);
    const QPointF handL = limb(elbowL, pose.armL + pose.elbowL, 6.5);
    const QPointF elbowR = limb(shoulderR, pose.armR, 6.5);
    const QPointF handR = limb(elbowR, pose.armR + pose.elbowR, 6.5);
    stroke(p, {shoulderL, elbowL, handL}, look.shirt, 3.0);
    stroke(p, {shoulderR, elbowR, handR}, look.shirt, 3.0);
    dot(p, handL, 1.9, look.skin);
    dot(p, handR, 1.9, look.skin);

    // Head: a round face, a big smile and a tuft of hair.
    const QPointF head = limb(neck, 180 + pose.lean * 1.4, 6.5);
    p.setPen(QPen(kOutline, 1.4));
    p.setBrush(look.hair);
    p.drawEllipse(head + QPointF(0, -2.2), 6.2, 5.2);
    p.setBrush(look.skin);
    p.drawEllipse(head + QPointF(0, 0.6), 5.6, 5.4);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(head + QPointF(-2.0, -0.2), 0.9, 1.1);
    p.drawEllipse(head + QPointF(2.0, -0.2), 0.9, 1.1);
    p.setPen(QPen(kOutline, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(head.x() - 2.6, head.y() - 0.4, 5.2, 4.2), 200 * 16, 140 * 16);
}

} // namespace

QList<QImage> drawDancers()
{
    // clang-format off
    const Look looks[3] = {
        {QColor(232, 44, 52), QColor(40, 70, 190), QColor(250, 208, 170), QColor(120, 60, 24), false},
        {QColor(255, 206, 30), QColor(250, 208, 170), QColor(196, 132, 86), QColor(40, 26, 20), true},
        {QColor(40, 150, 240), QColor(250, 130, 30), QColor(236, 186, 140), QColor(230, 170, 40), false},
    };
    // clang-format on
    QList<QImage> frames;
    for (int f = 0; f < kFrames; ++f) {
        const double t = 2 * std::numbers::pi * f / kFrames;
        QImage frame(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
        frame.fill(Qt::transparent);
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);

        // Left: jumps with both arms waving overhead.
        const double s0 = std::sin(t);
        drawDancer(p, 21, looks[0],
            {5 * std::abs(std::sin(t)), 1.5 * s0, 4 * s0, 150 + 25 * s0, 25 * s0, -150 + 25 * s0,
                25 * s0, 25 * std::abs(s0), -15 * std::abs(s0), -25 * std::abs(s0),
                15 * std::abs(s0)});
        // Middle: a twist, arms bent, hips and knees swinging.
        const double s1 = std::sin(t + 1.2);
        const double c1 = std::cos(t + 1.2);
        drawDancer(p, 60, looks[1],
            {1.5 + 1.5 * c1, 3.5 * s1, -6 * s1, 70 + 30 * s1, 80, -70 + 30 * s1, -80, 18 * s1 + 10,
                -20, 18 * s1 - 10, 20});
        // Right: points up and down, stepping side to side.
        const double s2 = std::sin(t + 2.4);
        const double step = s2 > 0 ? s2 : 0;
        const double other = s2 < 0 ? -s2 : 0;
        drawDancer(p, 99, looks[2],
            {2.5 * std::abs(std::cos(t + 2.4)), 2.5 * s2, 5 * s2, 100 - 60 * s2, 20, -160 + 40 * s2,
                0, 35 * step + 6, -40 * step, -35 * other - 6, 40 * other});
        p.end();
        frames.append(frame);
    }
    return frames;
}

} // namespace art
