#include "Pictures.h"

#include "Brush.h"
#include "Rng.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <vector>

// The splash painting, also the new-record window's background. That window
// writes dark blue text over the left half, so the left stays light and
// open: sky down to a low horizon. The boat rides the waves on the right.
namespace art {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 471;
constexpr double kHorizon = 296;
constexpr double kWaterline = 372;

// Height of the swell at x for a row of waves starting at baseline.
double swell(double x, double baseline, double amplitude, double phase)
{
    return baseline
        - amplitude * (0.6 * std::sin(x / 38 + phase) + 0.4 * std::sin(x / 17 + phase * 1.7));
}

struct WaveRow {
    double base, amplitude, phase, depth;
};

// The rows of waves from the horizon towards us, wider apart as they near.
std::vector<WaveRow> waveRows()
{
    std::vector<WaveRow> rows;
    Rng rng(0x5A11);
    for (double base = kHorizon + 8; base < kHeight + 20; base += 6 + (base - kHorizon) * 0.14) {
        const double depth = (base - kHorizon) / (kHeight - kHorizon);
        rows.push_back({base, 1 + depth * 12, rng.range(0, 6.28), depth});
    }
    return rows;
}

QPainterPath hullPath()
{
    QPainterPath hull(QPointF(318, 326));                                  // the bow, up high
    hull.cubicTo(QPointF(380, 336), QPointF(520, 334), QPointF(628, 322)); // the deck line
    hull.cubicTo(QPointF(624, 350), QPointF(612, 372), QPointF(586, 386)); // the stern
    hull.cubicTo(QPointF(500, 392), QPointF(410, 390), QPointF(372, 382)); // the keel
    hull.cubicTo(QPointF(348, 364), QPointF(330, 346), QPointF(318, 326));
    return hull;
}

QPainterPath sailPath()
{
    QPainterPath sail(QPointF(508, 52));                                   // head at the mast top
    sail.cubicTo(QPointF(560, 110), QPointF(612, 210), QPointF(618, 306)); // leech, full of wind
    sail.lineTo(QPointF(510, 312));                                        // foot along the boom
    sail.closeSubpath();
    return sail;
}

QPainterPath jibPath()
{
    QPainterPath jib(QPointF(500, 78));
    jib.lineTo(QPointF(336, 318));
    jib.cubicTo(QPointF(400, 310), QPointF(450, 300), QPointF(494, 296));
    jib.closeSubpath();
    return jib;
}

QImage reference()
{
    QImage ref(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&ref);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(132, 180, 226));
    sky.setColorAt(0.55, QColor(196, 222, 238));
    sky.setColorAt(1, QColor(252, 236, 200));
    p.fillRect(QRectF(0, 0, kWidth, kHorizon + 2), sky);
    // A morning glow low on the left.
    QRadialGradient glow(QPointF(120, kHorizon - 20), 220);
    glow.setColorAt(0, QColor(255, 240, 190, 200));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    p.fillRect(QRectF(0, 0, kWidth, kHorizon + 2), glow);
    // Clouds: soft heaps of puffs.
    // clang-format off
    const double clouds[][4] = {
        {90, 70, 70, 22}, {150, 58, 60, 26}, {210, 78, 64, 20}, {40, 150, 50, 14}, {110, 160, 70, 16},
        {300, 120, 56, 16}, {360, 110, 48, 18}, {560, 30, 60, 18}, {250, 210, 80, 10},
    };
    // clang-format on
    for (const auto &c : clouds) {
        QRadialGradient puff(QPointF(c[0], c[1]), c[2]);
        puff.setColorAt(0, QColor(255, 253, 246, 235));
        puff.setColorAt(0.55, QColor(246, 240, 236, 170));
        puff.setColorAt(1, QColor(230, 230, 244, 0));
        p.save();
        p.translate(c[0], c[1]);
        p.scale(1.0, c[3] / c[2]);
        p.translate(-c[0], -c[1]);
        p.setPen(Qt::NoPen);
        p.setBrush(puff);
        p.drawEllipse(QPointF(c[0], c[1]), c[2], c[2]);
        p.restore();
    }

    // The green sea, darker towards us, in rows of waves.
    QLinearGradient sea(0, kHorizon, 0, kHeight);
    sea.setColorAt(0, QColor(120, 184, 150));
    sea.setColorAt(0.3, QColor(56, 150, 104));
    sea.setColorAt(1, QColor(18, 82, 56));
    p.fillRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon), sea);
    for (const WaveRow &row : waveRows()) {
        const double base = row.base, depth = row.depth, amplitude = row.amplitude,
                     phase = row.phase;
        QPainterPath crest;
        QPainterPath trough;
        for (double x = -10; x <= kWidth + 10; x += 3) {
            const QPointF pt(x, swell(x, base, amplitude, phase));
            if (x < -9) {
                crest.moveTo(pt);
                trough.moveTo(pt + QPointF(0, 2 + depth * 6));
            } else {
                crest.lineTo(pt);
                trough.lineTo(pt + QPointF(0, 2 + depth * 6));
            }
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(16, 70, 52, 120), 2 + depth * 8));
        p.drawPath(trough);
        p.setPen(QPen(QColor(160, 230, 180, 210), 1 + depth * 4));
        p.drawPath(crest);
    }

    // The boat: sails behind, then the hull.
    p.setPen(Qt::NoPen);
    QLinearGradient red(QPointF(508, 52), QPointF(620, 300));
    red.setColorAt(0, QColor(236, 64, 44));
    red.setColorAt(1, QColor(182, 28, 30));
    p.fillPath(sailPath(), red);
    QLinearGradient jibRed(QPointF(500, 80), QPointF(380, 310));
    jibRed.setColorAt(0, QColor(214, 46, 38));
    jibRed.setColorAt(1, QColor(240, 96, 66));
    p.fillPath(jibPath(), jibRed);
    QLinearGradient wood(0, 326, 0, 390);
    wood.setColorAt(0, QColor(150, 92, 48));
    wood.setColorAt(0.5, QColor(110, 62, 34));
    wood.setColorAt(1, QColor(66, 36, 24));
    p.fillPath(hullPath(), wood);
    p.end();
    return ref;
}

double flow(QPointF p)
{
    if (p.y() < kHorizon) {
        // Sky strokes drift in long, slightly rising lines.
        return -0.12 + 0.18 * std::sin(p.x() / 90 + p.y() / 50);
    }
    const double depth = (p.y() - kHorizon) / (kHeight - kHorizon);
    // Along the slope of the swell.
    return std::atan(0.5 * depth * std::cos(p.x() / 38 + p.y() / 9));
}

bool inside(const QPainterPath &path, QPointF p)
{
    return path.contains(p);
}

void paintSailor(QPainter &p)
{
    // Standing at the foot of the mast in front of the red sail, leaning on
    // the telescope, looking out to the left.
    const QColor outline(34, 26, 36);
    p.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // Legs in dark trousers, boots on the deck.
    QPainterPath legs(QPointF(470, 281));
    legs.lineTo(QPointF(462, 331));
    legs.lineTo(QPointF(472, 332));
    legs.lineTo(QPointF(478, 300));
    legs.lineTo(QPointF(484, 332));
    legs.lineTo(QPointF(494, 331));
    legs.lineTo(QPointF(490, 281));
    legs.closeSubpath();
    p.setBrush(QColor(46, 52, 84));
    p.drawPath(legs);
    p.setBrush(QColor(30, 22, 20));
    p.drawRoundedRect(QRectF(456, 327, 18, 7), 3, 3);
    p.drawRoundedRect(QRectF(482, 327, 18, 7), 3, 3);

    // A yellow oilskin coat.
    QPainterPath coat(QPointF(466, 240));
    coat.cubicTo(QPointF(458, 256), QPointF(462, 274), QPointF(464, 292));
    coat.lineTo(QPointF(496, 292));
    coat.cubicTo(QPointF(498, 272), QPointF(500, 254), QPointF(492, 240));
    coat.quadTo(QPointF(480, 234), QPointF(466, 240));
    QLinearGradient oilskin(QPointF(460, 240), QPointF(500, 290));
    oilskin.setColorAt(0, QColor(255, 214, 64));
    oilskin.setColorAt(1, QColor(222, 160, 20));
    p.setBrush(oilskin);
    p.drawPath(coat);
    p.setPen(QPen(QColor(160, 110, 10), 1.4));
    p.drawLine(QPointF(480, 246), QPointF(480, 290));
    p.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // The telescope, raised to the eye and pointing out over the sea.
    const QPointF eye(468, 222);
    const QPointF far(396, 204);
    QPainterPath tube;
    const QPointF dir = (far - eye) / std::hypot(far.x() - eye.x(), far.y() - eye.y());
    const QPointF n(-dir.y(), dir.x());
    tube.moveTo(eye + n * 3.0);
    tube.lineTo(far + n * 6.0);
    tube.lineTo(far - n * 6.0);
    tube.lineTo(eye - n * 3.0);
    tube.closeSubpath();
    QLinearGradient brass(eye + n * 5, eye - n * 5);
    brass.setColorAt(0, QColor(255, 232, 140));
    brass.setColorAt(0.5, QColor(214, 162, 50));
    brass.setColorAt(1, QColor(140, 92, 24));
    p.setBrush(brass);
    p.drawPath(tube);
    // Its rings.
    for (double t : {0.35, 0.7}) {
        const QPointF c = eye + (far - eye) * t;
        const double r = 3.0 + 3.0 * t + 0.8;
        p.drawLine(c + n * r, c - n * r);
    }

    // Arms: one hand under the far end, one at the eyepiece.
    p.setPen(QPen(outline, 9.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(472, 246), QPointF(440, 226));
    p.drawLine(QPointF(488, 246), QPointF(476, 232));
    p.setPen(QPen(QColor(240, 190, 50), 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(472, 246), QPointF(440, 226));
    p.drawLine(QPointF(488, 246), QPointF(476, 232));
    p.setPen(QPen(outline, 1.6));
    p.setBrush(QColor(242, 196, 160));
    p.drawEllipse(QPointF(438, 224), 3.6, 3.6);

    // Head in profile, turned to the left, with a short grey beard.
    p.setPen(QPen(outline, 2.0));
    p.setBrush(QColor(242, 196, 160));
    QPainterPath head(QPointF(486, 214));
    head.quadTo(QPointF(488, 232), QPointF(478, 234));
    head.quadTo(QPointF(470, 234), QPointF(468, 228));
    head.lineTo(QPointF(464, 224)); // the nose
    head.lineTo(QPointF(468, 221));
    head.quadTo(QPointF(468, 212), QPointF(476, 211));
    head.closeSubpath();
    p.drawPath(head);
    p.setPen(QPen(outline, 1.2));
    p.setBrush(QColor(226, 226, 220));
    QPainterPath beard(QPointF(469, 229));
    beard.quadTo(QPointF(472, 240), QPointF(480, 238));
    beard.quadTo(QPointF(487, 234), QPointF(486, 226));
    beard.quadTo(QPointF(478, 230), QPointF(469, 229));
    p.drawPath(beard);
    p.setPen(QPen(outline, 2.0));
    QPainterPath hat(QPointF(462, 216));
    hat.quadTo(QPointF(470, 198), QPointF(484, 201));
    hat.quadTo(QPointF(494, 204), QPointF(496, 216));
    hat.quadTo(QPointF(502, 222), QPointF(500, 226));
    hat.quadTo(QPointF(480, 214), QPointF(462, 216));
    p.setBrush(QColor(250, 204, 50));
    p.drawPath(hat);
}

} // namespace

QImage paintSplash()
{
    Rng rng(0x5EA);
    const QImage ref = reference();
    QImage canvas = ref;

    StrokePass broad;
    broad.count = 9000;
    broad.minLength = 12;
    broad.maxLength = 30;
    broad.minWidth = 5;
    broad.maxWidth = 9;
    broad.opacity = 0.8;
    broad.jitter = 0.04;
    broad.edgeTolerance = 60;
    paintStrokes(canvas, ref, flow, broad, rng);

    // The sky stays calm behind the new-record window's text.
    StrokePass sky = broad;
    sky.count = 7000;
    sky.minLength = 16;
    sky.maxLength = 36;
    sky.minWidth = 4;
    sky.maxWidth = 7;
    sky.jitter = 0.018;
    sky.opacity = 0.75;
    paintStrokes(canvas, ref, flow, sky, rng, [](QPointF pt) { return pt.y() < kHorizon - 4; });

    StrokePass detail = broad;
    detail.count = 16000;
    detail.minLength = 6;
    detail.maxLength = 16;
    detail.minWidth = 2.5;
    detail.maxWidth = 4.5;
    detail.opacity = 0.9;
    detail.jitter = 0.06;
    detail.edgeTolerance = 45;
    const QPainterPath sailArea = sailPath().united(jibPath()).united(hullPath());
    paintStrokes(canvas, ref, flow, detail, rng,
        [&](QPointF pt) { return pt.y() >= kHorizon - 4 || sailArea.contains(pt); });

    // The sails are canvas: strokes along the cloth, then a crisp edge.
    const QPainterPath sail = sailPath();
    const QPainterPath jib = jibPath();
    StrokePass cloth = detail;
    cloth.count = 6000;
    cloth.jitter = 0.05;
    paintStrokes(
        canvas, ref, [](QPointF) { return 1.35; }, cloth, rng,
        [&](QPointF pt) { return inside(sail, pt) || inside(jib, pt); });

    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor edge(110, 20, 24, 200);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(edge, 1.6));
        p.drawPath(sail);
        p.drawPath(jib);
        // Seams across the sail.
        p.setPen(QPen(QColor(150, 30, 30, 110), 1.0));
        for (int i = 1; i < 6; ++i) {
            const double y = 52 + i * 43;
            p.drawLine(
                QPointF(510, y + 6), QPointF(510 + (y - 52) * 0.44, y + 6 + (y - 52) * 0.05));
        }
        // Mast, boom and rigging.
        p.setPen(QPen(QColor(70, 44, 26), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(506, 40), QPointF(506, 332));
        p.setPen(QPen(QColor(150, 100, 56), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(505, 42), QPointF(505, 330));
        p.setPen(QPen(QColor(70, 44, 26), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(504, 312), QPointF(622, 306));
        p.setPen(QPen(QColor(50, 36, 30, 200), 1.1));
        p.drawLine(QPointF(506, 44), QPointF(320, 326));
        p.drawLine(QPointF(506, 44), QPointF(626, 322));
        // A pennant at the top.
        QPainterPath pennant(QPointF(506, 40));
        pennant.quadTo(QPointF(482, 36), QPointF(468, 42));
        pennant.quadTo(QPointF(484, 44), QPointF(506, 48));
        p.fillPath(pennant, QColor(40, 80, 200));
        // The hull: a painted stripe and its outline.
        const QPainterPath hull = hullPath();
        p.setPen(QPen(QColor(40, 22, 16), 2.2));
        p.drawPath(hull);
        p.setPen(QPen(QColor(240, 232, 210), 4, Qt::SolidLine, Qt::RoundCap));
        QPainterPath stripe(QPointF(326, 336));
        stripe.cubicTo(QPointF(384, 346), QPointF(520, 344), QPointF(624, 333));
        p.drawPath(stripe);
        p.setPen(QPen(QColor(26, 60, 140), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stripe.translated(0, 4));
        // Portholes.
        p.setPen(QPen(QColor(40, 22, 16), 1.5));
        p.setBrush(QColor(180, 220, 230));
        for (const double x : {430.0, 480.0, 530.0})
            p.drawEllipse(QPointF(x, 358), 4.2, 4.2);
        paintSailor(p);
    }

    // Waves breaking over the foot of the hull, in front of everything.
    QImage front = ref;
    {
        QPainter p(&front);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 3; ++i) {
            const double base = kWaterline + 4 + i * 14;
            QPainterPath wave(QPointF(300, kHeight));
            for (double x = 300; x <= kWidth + 6; x += 3)
                wave.lineTo(QPointF(x, swell(x, base, 5 + i * 2, i * 2.1)));
            wave.lineTo(QPointF(kWidth + 6, kHeight));
            wave.closeSubpath();
            QLinearGradient g(0, base - 10, 0, base + 40);
            g.setColorAt(0, QColor(96, 190, 132));
            g.setColorAt(1, QColor(24, 96, 62));
            p.fillPath(wave, g);
        }
    }
    StrokePass foam = detail;
    foam.count = 4000;
    foam.edgeTolerance = 80;
    paintStrokes(canvas, front, flow, foam, rng,
        [](QPointF pt) { return pt.x() > 300 && pt.y() > kWaterline - 8; });
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        // Flecks of foam where the far waves crest.
        for (const WaveRow &row : waveRows()) {
            for (double x = 0; x <= kWidth; x += 2) {
                if (x > 316 && row.base > kWaterline - 46 && row.base < kWaterline + 16)
                    continue; // behind the hull
                const double y = swell(x, row.base, row.amplitude, row.phase);
                const double crest
                    = 0.6 * std::sin(x / 38 + row.phase) + 0.4 * std::sin(x / 17 + row.phase * 1.7);
                if (crest > 0.5 && rng.unit() < 0.35 + row.depth * 0.3) {
                    QColor fleck(226, 248, 232, static_cast<int>(120 + row.depth * 100));
                    p.setPen(QPen(
                        fleck, rng.range(1.0, 1.5 + row.depth * 2.5), Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(QPointF(x, y),
                        QPointF(x + rng.range(2, 4 + row.depth * 6), y + rng.range(-0.5, 0.5)));
                }
            }
        }
        for (int i = 0; i < 3; ++i) {
            const double base = kWaterline + 4 + i * 14;
            for (double x = 300; x <= kWidth; x += 2) {
                const double y = swell(x, base, 5 + i * 2, i * 2.1);
                const double crest = std::sin(x / 38 + i * 2.1);
                if (crest > 0.55 && rng.unit() < 0.5) {
                    p.setPen(QPen(QColor(236, 250, 240, 200), rng.range(1.5, 3.0), Qt::SolidLine,
                        Qt::RoundCap));
                    p.drawLine(QPointF(x, y), QPointF(x + rng.range(2, 6), y + rng.range(-1, 1)));
                }
            }
        }
    }

    addCanvasTexture(canvas, 3.0, rng);
    return canvas.convertToFormat(QImage::Format_RGB32);
}

} // namespace art
