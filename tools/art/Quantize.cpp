#include "Quantize.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace art {
namespace {

// Histogram bins at 5 bits a channel; each bin keeps the exact sums so the
// palette entries are true means, not bin centres.
struct Bin {
    double count = 0;
    double sum[3] = {0, 0, 0};
    double mean(int axis) const { return sum[axis] / count; }
};

struct Box {
    std::vector<const Bin *> bins;
    double count = 0;
    double error = 0; // total squared deviation from the box mean
    int axis = 0;     // the axis with the widest spread
};

void measure(Box &box)
{
    double total = 0;
    double sum[3] = {0, 0, 0};
    double sq[3] = {0, 0, 0};
    for (const Bin *b : box.bins) {
        total += b->count;
        for (int a = 0; a < 3; ++a) {
            const double m = b->mean(a);
            sum[a] += b->sum[a];
            sq[a] += b->count * m * m;
        }
    }
    box.count = total;
    box.error = 0;
    double widest = -1;
    // Green counts most and blue least for the eye.
    static constexpr double weight[3] = {1.0, 1.3, 0.8};
    for (int a = 0; a < 3; ++a) {
        const double variance = sq[a] - sum[a] * sum[a] / total;
        const double weighted = variance * weight[a];
        box.error += weighted;
        if (weighted > widest) {
            widest = weighted;
            box.axis = a;
        }
    }
}

int channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

double distance(double r, double g, double b, QRgb c)
{
    const double dr = r - qRed(c), dg = g - qGreen(c), db = b - qBlue(c);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int nearest(double r, double g, double b, const QList<QRgb> &palette, int skip)
{
    int best = 0;
    double bestDistance = 1e300;
    for (int i = 0; i < palette.size(); ++i) {
        if (i == skip)
            continue;
        const double d = distance(r, g, b, palette[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace

QList<QRgb> medianCutPalette(const QImage &image, int maxColours)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<Bin> hist(32 * 32 * 32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = line[x];
            if (qAlpha(c) < 128)
                continue;
            Bin &b = hist[(qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3)];
            b.count += 1;
            for (int a = 0; a < 3; ++a)
                b.sum[a] += channel(c, a);
        }
    }
    Box all;
    for (const Bin &b : hist)
        if (b.count > 0)
            all.bins.push_back(&b);
    if (all.bins.empty())
        return {qRgb(0, 0, 0)};
    measure(all);

    std::vector<Box> boxes {all};
    while (static_cast<int>(boxes.size()) < maxColours) {
        // Split the box that holds the most squared error.
        auto worst = boxes.end();
        for (auto it = boxes.begin(); it != boxes.end(); ++it)
            if (it->bins.size() > 1 && (worst == boxes.end() || it->error > worst->error))
                worst = it;
        if (worst == boxes.end())
            break;
        Box box = std::move(*worst);
        boxes.erase(worst);
        const int axis = box.axis;
        std::stable_sort(box.bins.begin(), box.bins.end(),
            [axis](const Bin *l, const Bin *r) { return l->mean(axis) < r->mean(axis); });
        // Cut at the weighted median, keeping at least one bin each side.
        double seen = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < box.bins.size(); ++i) {
            seen += box.bins[i]->count;
            cut = i + 1;
            if (seen >= box.count / 2)
                break;
        }
        Box low, high;
        low.bins.assign(box.bins.begin(), box.bins.begin() + static_cast<std::ptrdiff_t>(cut));
        high.bins.assign(box.bins.begin() + static_cast<std::ptrdiff_t>(cut), box.bins.end());
        measure(low);
        measure(high);
        boxes.push_back(std::move(low));
        boxes.push_back(std::move(high));
    }

    QList<QRgb> palette;
    for (const Box &box : boxes) {
        double sum[3] = {0, 0, 0};
        for (const Bin *b : box.bins)
            for (int a = 0; a < 3; ++a)
                sum[a] += b->sum[a];
        auto level = [&](int a) {
            return std::clamp(static_cast<int>(std::lround(sum[a] / box.count)), 0, 255);
        };
        palette.append(qRgb(level(0), level(1), level(2)));
    }
    // Darkest first: a stable, readable order.
    std::stable_sort(
        palette.begin(), palette.end(), [](QRgb l, QRgb r) { return qGray(l) < qGray(r); });
    return palette;
}

QImage toIndexed(
    const QImage &image, const QList<QRgb> &palette, double dither, int transparentIndex)
{
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width();
    const int h = src.height();
    QImage out(w, h, QImage::Format_Indexed8);
    QList<QRgb> table = palette;
    if (transparentIndex >= 0)
        table[transparentIndex] = qRgba(0, 0, 0, 0);
    out.setColorTable(table);

    // Error rows for the current and the next line, with a pixel of margin.
    std::vector<std::array<double, 3>> errNow(w + 2), errNext(w + 2);
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        uchar *dst = out.scanLine(y);
        std::fill(errNext.begin(), errNext.end(), std::array<double, 3> {0, 0, 0});
        const bool leftToRight = (y % 2) == 0;
        for (int i = 0; i < w; ++i) {
            const int x = leftToRight ? i : w - 1 - i;
            const QRgb c = line[x];
            if (transparentIndex >= 0 && qAlpha(c) < 128) {
                dst[x] = static_cast<uchar>(transparentIndex);
                continue;
            }
            const std::array<double, 3> want = {
                std::clamp(qRed(c) + errNow[x + 1][0], 0.0, 255.0),
                std::clamp(qGreen(c) + errNow[x + 1][1], 0.0, 255.0),
                std::clamp(qBlue(c) + errNow[x + 1][2], 0.0, 255.0),
            };
            const int index = nearest(want[0], want[1], want[2], palette, transparentIndex);
            dst[x] = static_cast<uchar>(index);
            if (dither <= 0)
                continue;
            const QRgb got = palette[index];
            const int ahead = leftToRight ? 1 : -1;
            for (int a = 0; a < 3; ++a) {
                const double e = (want[a] - channel(got, a)) * dither;
                errNow[x + 1 + ahead][a] += e * 7 / 16;
                errNext[x + 1 - ahead][a] += e * 3 / 16;
                errNext[x + 1][a] += e * 5 / 16;
                errNext[x + 1 + ahead][a] += e * 1 / 16;
            }
        }
        std::swap(errNow, errNext);
    }
    return out;
}

QList<QRgb> padded(QList<QRgb> palette, int count)
{
    while (palette.size() < count)
        palette.append(qRgb(0, 0, 0));
    return palette;
}

} // namespace art
