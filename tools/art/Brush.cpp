#include "Brush.h"

#include "Rng.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

double colourDistance(const QColor &a, const QColor &b)
{
    const double dr = a.red() - b.red(), dg = a.green() - b.green(), db = a.blue() - b.blue();
    return std::sqrt(dr * dr + dg * dg + db * db);
}

QColor jittered(const QColor &c, double amount, Rng &rng)
{
    float h, s, l, a;
    c.getHslF(&h, &s, &l, &a);
    if (h < 0)
        h = 0;
    h = static_cast<float>(std::fmod(h + amount * 0.15 * rng.gauss() + 1.0, 1.0));
    s = static_cast<float>(std::clamp(s + amount * 0.5 * rng.gauss(), 0.0, 1.0));
    l = static_cast<float>(std::clamp(l + amount * rng.gauss(), 0.0, 1.0));
    return QColor::fromHslF(h, s, l);
}

} // namespace

QColor sample(const QImage &reference, QPointF at)
{
    const int x = std::clamp(static_cast<int>(at.x()), 0, reference.width() - 1);
    const int y = std::clamp(static_cast<int>(at.y()), 0, reference.height() - 1);
    return reference.pixelColor(x, y);
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    auto m = [t](int x, int y) {
        return std::clamp(static_cast<int>(std::lround(x + (y - x) * t)), 0, 255);
    };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
        m(a.alpha(), b.alpha()));
}

void paintStrokes(QImage &canvas, const QImage &reference, const FlowField &flow,
    const StrokePass &pass, Rng &rng, const Region &where)
{
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = canvas.width();
    const double h = canvas.height();
    for (int i = 0; i < pass.count; ++i) {
        const QPointF start(rng.range(-4, w + 4), rng.range(-4, h + 4));
        // Draw every random number of the stroke before deciding to skip it,
        // so one region's change does not reshuffle the rest of the picture.
        const double length = rng.range(pass.minLength, pass.maxLength);
        const double width = rng.range(pass.minWidth, pass.maxWidth);
        const double bend = rng.gauss() * 0.04;
        const QColor base = sample(reference, start);
        const QColor colour = jittered(base, pass.jitter, rng);
        const double lift = rng.unit();
        if (where && !where(start))
            continue;

        QPainterPath path(start);
        QPointF at = start;
        const double step = std::max(1.5, width * 0.6);
        double travelled = 0;
        double turn = 0;
        while (travelled < length) {
            const double angle = flow(at) + turn;
            turn += bend;
            const QPointF next = at + QPointF(std::cos(angle), std::sin(angle)) * step;
            if (colourDistance(sample(reference, next), base) > pass.edgeTolerance)
                break;
            path.lineTo(next);
            at = next;
            travelled += step;
        }
        if (travelled < step) {
            path.lineTo(start + QPointF(0.5, 0.2));
        }
        QColor body = colour;
        body.setAlphaF(static_cast<float>(pass.opacity));
        p.setPen(QPen(body, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        if (pass.highlight && width >= 2.5) {
            QColor ridge = colour.lighter(112 + static_cast<int>(lift * 10));
            ridge.setAlphaF(static_cast<float>(pass.opacity * 0.45));
            p.setPen(QPen(ridge, width * 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(path.translated(-width * 0.18, -width * 0.2));
        }
    }
}

void addCanvasTexture(QImage &image, double strength, Rng &rng)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // A woven pattern of threads plus grain.
            const double weave = ((x % 4 < 2) != (y % 4 < 2) ? 1.0 : -1.0) * 0.5;
            const double grain = rng.gauss() * 0.6;
            const double d = (weave + grain) * strength;
            auto level
                = [d](int v) { return std::clamp(static_cast<int>(std::lround(v + d)), 0, 255); };
            const QRgb c = line[x];
            line[x] = qRgb(level(qRed(c)), level(qGreen(c)), level(qBlue(c)));
        }
    }
}

} // namespace art
