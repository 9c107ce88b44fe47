#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

// Both icons are drawn on a 32 x 32 grid and scaled to the size asked for.
QPainter *begin(QImage &image, QPainter &p, int size)
{
    image = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    return &p;
}

QPainterPath squiggle()
{
    // An S with a curl at each end, a little looser than a letter.
    QPainterPath s(QPointF(24.6, 8.6));
    s.cubicTo(QPointF(23.2, 4.6), QPointF(12.0, 3.6), QPointF(9.0, 8.4));
    s.cubicTo(QPointF(6.4, 12.6), QPointF(11.0, 14.6), QPointF(16.0, 15.8));
    s.cubicTo(QPointF(21.4, 17.1), QPointF(26.0, 19.6), QPointF(23.2, 24.0));
    s.cubicTo(QPointF(20.4, 28.4), QPointF(10.0, 28.0), QPointF(7.6, 23.4));
    s.cubicTo(QPointF(6.4, 21.0), QPointF(9.2, 19.6), QPointF(10.6, 21.6));
    return s;
}

QPainterPath blade()
{
    // One pinwheel blade: straight along the spoke upwards, its free corner
    // swept round towards the next blade.
    QPainterPath b(QPointF(0, 0));
    b.lineTo(QPointF(-0.6, -13.8));
    b.cubicTo(QPointF(5.5, -14.2), QPointF(11.5, -11.0), QPointF(13.2, -5.0));
    b.cubicTo(QPointF(8.0, -6.4), QPointF(3.0, -4.0), QPointF(0, 0));
    b.closeSubpath();
    return b;
}

QPainterPath fold()
{
    // The lit inner half of a blade, where the paper folds.
    QPainterPath f(QPointF(0, 0));
    f.lineTo(QPointF(-0.6, -13.8));
    f.cubicTo(QPointF(2.5, -13.9), QPointF(5.5, -12.5), QPointF(7.0, -10.6));
    f.closeSubpath();
    return f;
}

const QColor kOutline(30, 24, 40);
const QColor kStickDark(70, 42, 20);
const QColor kStickLight(176, 118, 62);
const QColor kPin(250, 250, 240);
// clang-format off
const QColor kBlades[4][2] = {
    {QColor(255, 92, 80), QColor(206, 24, 30)},
    {QColor(255, 236, 110), QColor(240, 170, 0)},
    {QColor(110, 226, 110), QColor(24, 150, 52)},
    {QColor(110, 170, 255), QColor(30, 80, 210)},
};
// clang-format on

} // namespace

QList<QRgb> aboutIconColours()
{
    QList<QRgb> colours {kOutline.rgb(), kStickDark.rgb(), kStickLight.rgb(), kPin.rgb()};
    for (const auto &blade : kBlades)
        colours << blade[0].rgb() << blade[1].rgb();
    return colours;
}

QImage drawWindowIcon(int size)
{
    QImage image;
    QPainter painter;
    QPainter &p = *begin(image, painter, size);

    // The red square, a little brighter in the middle like a lit tile.
    QRadialGradient red(QPointF(13, 11), 26);
    red.setColorAt(0, QColor(236, 52, 40));
    red.setColorAt(0.7, QColor(206, 26, 22));
    red.setColorAt(1, QColor(168, 14, 14));
    p.fillRect(QRectF(0, 0, 32, 32), red);
    p.setPen(QPen(QColor(122, 8, 10), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 31, 31));

    const QPainterPath s = squiggle();
    p.setPen(QPen(QColor(16, 64, 18), 6.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(s);
    QLinearGradient green(QPointF(6, 4), QPointF(26, 28));
    green.setColorAt(0, QColor(120, 226, 84));
    green.setColorAt(1, QColor(34, 170, 56));
    p.setPen(QPen(QBrush(green), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(s);
    if (size >= 24) {
        p.setPen(QPen(QColor(214, 255, 180, 200), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(s.translated(-0.7, -0.8));
    }
    p.end();
    return image;
}

QImage drawAboutIcon(int size)
{
    QImage image;
    QPainter painter;
    QPainter &p = *begin(image, painter, size);

    // The stick, from the hub down to the bottom edge.
    p.setPen(QPen(kStickDark, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 16), QPointF(18, 30.5));
    p.setPen(QPen(kStickLight, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 16), QPointF(18, 30.5));

    const QPainterPath b = blade();
    const QPainterPath f = fold();
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(15.5, 15);
        p.rotate(90.0 * i);
        p.setPen(QPen(kOutline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kBlades[i][1]);
        p.drawPath(b);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlades[i][0]);
        p.drawPath(f);
        p.restore();
    }
    // The pin in the middle.
    p.setPen(QPen(kOutline, 0.9));
    p.setBrush(kPin);
    p.drawEllipse(QPointF(15.5, 15), 2.0, 2.0);
    p.end();
    return image;
}

} // namespace art
