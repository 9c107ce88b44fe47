#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>

#include <functional>

class Rng;

// Painterly rendering: a composition is first laid out plainly (gradients and
// shapes) as a reference, then repainted with many short brush strokes that
// take their colour from the reference and their direction from a flow field.
namespace art {

// Direction of the strokes at a point, in radians (0 points right, y grows down).
using FlowField = std::function<double(QPointF)>;
// Whether a stroke may start at a point.
using Region = std::function<bool(QPointF)>;

struct StrokePass {
    int count = 1000;
    double minLength = 6, maxLength = 18;
    double minWidth = 2, maxWidth = 4;
    double opacity = 0.85;
    double jitter = 0.06;      // random change of lightness and hue, 0..1
    double edgeTolerance = 60; // a stroke ends where the reference changes colour by more
    bool highlight = true;     // a thin lighter ridge along each stroke, like thick paint
};

void paintStrokes(QImage &canvas, const QImage &reference, const FlowField &flow,
    const StrokePass &pass, Rng &rng, const Region &where = {});

// A faint canvas weave and grain over the whole picture.
void addCanvasTexture(QImage &image, double strength, Rng &rng);

// Colour of the reference at a point (clamped to the picture).
QColor sample(const QImage &reference, QPointF at);

// Linear mix of two colours, t = 0 gives a.
QColor mix(const QColor &a, const QColor &b, double t);

} // namespace art
