#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

// The celebration picture: bright, simple shapes like a paper cut-out. The
// dancing animation plays over its lower middle, on the hills, so that part
// is kept plain.
namespace art {
namespace {

constexpr int kWidth = 229;
constexpr int kHeight = 171;
constexpr double kBorder = 7;
const QPointF kSun(102, 116);
constexpr double kSunRadius = 33;

QPainterPath hill(double left, double right, double top, double bottom, double lean)
{
    QPainterPath path(QPointF(left, bottom));
    path.cubicTo(QPointF(left + (right - left) * (0.2 + lean), top),
        QPointF(left + (right - left) * (0.55 + lean), top), QPointF(right, bottom));
    path.closeSubpath();
    return path;
}

QPainterPath cloud(QPointF at, double size)
{
    // Puffs on a flat base.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double puffs[][3]
        = {{-1.0, 0.1, 0.55}, {-0.4, -0.35, 0.7}, {0.35, -0.25, 0.62}, {0.95, 0.1, 0.5}};
    for (const auto &puff : puffs)
        path.addEllipse(at + QPointF(puff[0], puff[1]) * size, puff[2] * size, puff[2] * size);
    path.addRoundedRect(QRectF(at.x() - 1.3 * size, at.y() - 0.1 * size, 2.6 * size, 0.7 * size),
        0.35 * size, 0.35 * size);
    return path.simplified();
}

void drawCloud(QPainter &p, QPointF at, double size)
{
    const QPainterPath shape = cloud(at, size);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 110, 200, 110));
    p.drawPath(shape.translated(1.5, 2.5));
    QLinearGradient body(at + QPointF(0, -size), at + QPointF(0, size * 0.6));
    body.setColorAt(0, QColor(255, 255, 255));
    body.setColorAt(1, QColor(232, 222, 246));
    p.setBrush(body);
    p.drawPath(shape);
}

void drawTree(QPainter &p)
{
    // Trunk, then a crown of round leafy clumps.
    QPainterPath trunk(QPointF(190, 146));
    trunk.cubicTo(QPointF(194, 128), QPointF(192, 112), QPointF(194, 96));
    trunk.lineTo(QPointF(200, 96));
    trunk.cubicTo(QPointF(200, 112), QPointF(200, 130), QPointF(206, 146));
    trunk.closeSubpath();
    p.setPen(QPen(QColor(70, 40, 22), 1.2));
    p.setBrush(QColor(128, 80, 42));
    p.drawPath(trunk);
    p.setPen(QPen(QColor(96, 58, 30), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(196, 116), QPointF(186, 104));
    p.drawLine(QPointF(198, 108), QPointF(208, 98));

    // clang-format off
    const double clumps[][3] = {
        {196, 70, 17}, {182, 82, 13}, {210, 84, 13}, {188, 96, 11}, {206, 98, 11}, {197, 86, 14}, {186, 62, 11},
        {208, 62, 11},
    };
    // clang-format on
    for (const auto &c : clumps) {
        QRadialGradient leaf(QPointF(c[0] - c[2] * 0.35, c[1] - c[2] * 0.4), c[2] * 1.3);
        leaf.setColorAt(0, QColor(120, 206, 92));
        leaf.setColorAt(0.7, QColor(42, 140, 60));
        leaf.setColorAt(1, QColor(24, 96, 44));
        p.setPen(QPen(QColor(20, 76, 36), 1.0));
        p.setBrush(leaf);
        p.drawEllipse(QPointF(c[0], c[1]), c[2], c[2]);
    }
    // A few red apples.
    p.setPen(QPen(QColor(120, 10, 20), 0.8));
    p.setBrush(QColor(236, 40, 48));
    for (const QPointF a : {QPointF(186, 76), QPointF(204, 70), QPointF(210, 92), QPointF(192, 94)})
        p.drawEllipse(a, 2.4, 2.4);
}

} // namespace

QImage paintSunrise()
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF inner(kBorder, kBorder, kWidth - 2 * kBorder, kHeight - 2 * kBorder);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(inner, 9, 9);
    p.setClipPath(clip);

    // Violet sky, warming towards the horizon.
    QLinearGradient sky(0, inner.top(), 0, 130);
    sky.setColorAt(0, QColor(92, 52, 168));
    sky.setColorAt(0.55, QColor(160, 104, 214));
    sky.setColorAt(1, QColor(246, 178, 196));
    p.fillRect(inner, sky);
    QRadialGradient dawn(kSun, 110);
    dawn.setColorAt(0, QColor(255, 232, 150, 230));
    dawn.setColorAt(0.45, QColor(255, 200, 160, 110));
    dawn.setColorAt(1, QColor(255, 200, 160, 0));
    p.fillRect(inner, dawn);

    // Rays fanning out from the sun.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const double a0 = std::numbers::pi + i * std::numbers::pi / 15.0 - 0.05;
        const double a1 = a0 + 0.11;
        QPainterPath ray(kSun);
        ray.lineTo(kSun + QPointF(std::cos(a0), std::sin(a0)) * 150);
        ray.lineTo(kSun + QPointF(std::cos(a1), std::sin(a1)) * 150);
        ray.closeSubpath();
        QRadialGradient fade(kSun, 140);
        fade.setColorAt(0, QColor(255, 246, 170, 120));
        fade.setColorAt(1, QColor(255, 246, 170, 0));
        p.setBrush(fade);
        p.drawPath(ray);
    }

    // The sun with a soft halo.
    QRadialGradient halo(kSun, kSunRadius * 1.6);
    halo.setColorAt(0.6, QColor(255, 236, 120, 160));
    halo.setColorAt(1, QColor(255, 236, 120, 0));
    p.setBrush(halo);
    p.drawEllipse(kSun, kSunRadius * 1.6, kSunRadius * 1.6);
    QRadialGradient sun(kSun + QPointF(-8, -10), kSunRadius * 1.2);
    sun.setColorAt(0, QColor(255, 252, 200));
    sun.setColorAt(0.5, QColor(255, 226, 60));
    sun.setColorAt(1, QColor(250, 176, 20));
    p.setBrush(sun);
    p.setPen(QPen(QColor(236, 150, 20), 1.2));
    p.drawEllipse(kSun, kSunRadius, kSunRadius);

    drawCloud(p, QPointF(46, 36), 13);
    drawCloud(p, QPointF(168, 28), 11);
    drawCloud(p, QPointF(132, 58), 8);
    drawCloud(p, QPointF(30, 80), 7);

    // Two birds.
    p.setPen(QPen(QColor(60, 30, 90), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPointF b : {QPointF(84, 30), QPointF(98, 40)}) {
        QPainterPath bird(b + QPointF(-5, -1));
        bird.quadTo(b + QPointF(-2, -3), b);
        bird.quadTo(b + QPointF(2, -3), b + QPointF(5, -1));
        p.drawPath(bird);
    }

    // Hills, far to near.
    const auto fillHill = [&](const QPainterPath &shape, QColor top, QColor bottom, QColor edge) {
        const QRectF box = shape.boundingRect();
        QLinearGradient g(box.topLeft(), box.bottomLeft());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.setPen(QPen(edge, 1.2));
        p.setBrush(g);
        p.drawPath(shape);
    };
    fillHill(hill(-20, 140, 84, 160, 0.05), QColor(150, 214, 120), QColor(90, 170, 80),
        QColor(70, 140, 66));
    fillHill(hill(90, 250, 90, 160, 0.0), QColor(140, 208, 110), QColor(84, 164, 76),
        QColor(64, 134, 62));
    fillHill(hill(-40, 150, 112, 200, 0.1), QColor(96, 190, 84), QColor(48, 140, 60),
        QColor(36, 112, 50));
    fillHill(hill(70, 270, 106, 210, -0.05), QColor(80, 176, 76), QColor(36, 124, 52),
        QColor(28, 100, 44));

    drawTree(p);

    // Little flowers in the grass at the edges, away from the dancers.
    const double flowers[][2]
        = {{20, 150}, {30, 158}, {42, 148}, {178, 154}, {214, 150}, {220, 158}, {12, 140}};
    for (const auto &f : flowers) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 120));
        p.drawEllipse(QPointF(f[0], f[1]), 1.8, 1.8);
        p.setBrush(QColor(255, 130, 180));
        for (int k = 0; k < 4; ++k)
            p.drawEllipse(QPointF(f[0], f[1])
                    + QPointF(
                          std::cos(k * std::numbers::pi / 2), std::sin(k * std::numbers::pi / 2))
                        * 2.2,
                1.3, 1.3);
    }
    p.restore();

    // The pink border: a band with a light inner edge.
    QPainterPath frame;
    frame.addRect(QRectF(0, 0, kWidth, kHeight));
    frame.addRoundedRect(inner, 9, 9);
    QLinearGradient pink(0, 0, kWidth, kHeight);
    pink.setColorAt(0, QColor(255, 150, 196));
    pink.setColorAt(1, QColor(236, 100, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(pink);
    p.drawPath(frame);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 214, 232), 1.5));
    p.drawRoundedRect(inner.adjusted(-1, -1, 1, 1), 10, 10);
    p.setPen(QPen(QColor(200, 70, 130), 1.0));
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace art
