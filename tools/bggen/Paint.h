#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSizeF>
#include <QPair>
#include <QVector>

#include <random>

// Drawing helpers shared by the background pictures and loops. Every size is given as a
// fraction of the picture's height (u) or width, so one description draws at every resolution.
namespace Paint {

constexpr double pi = 3.14159265358979323846;

// Reproducible numbers: the same seed gives the same picture at every resolution and frame.
class Rng
{
public:
    explicit Rng(unsigned seed) : m_engine(seed) {}
    double operator()(double low = 0.0, double high = 1.0)
    {
        return std::uniform_real_distribution<double>(low, high)(m_engine);
    }
    int pick(int count) { return int((*this)(0.0, double(count) - 1e-9)); }

private:
    std::mt19937 m_engine;
};

QColor withAlpha(QColor color, double alpha);
// Fills the whole picture with a gradient along the line from a to b (fractions of the size).
void linearFill(QPainter &p, const QSizeF &size, QPointF a, QPointF b, const QVector<QPair<double, QColor>> &stops);
// A soft light: colour at alpha in the centre fading smoothly to nothing at radius.
void glow(QPainter &p, QPointF centre, double radius, const QColor &color, double alpha);
// An out-of-focus highlight: a flat disc with a slightly brighter rim and a soft edge.
void bokehDisc(QPainter &p, QPointF centre, double radius, const QColor &color, double alpha);
// 0 at the ends of a cycle, 1 in the middle: things that fade in and out loop without a seam.
double envelope(double fraction);
// The fraction of a repeating cycle at phase (0..1 over the loop), cycles per loop, offset.
double cycleFraction(double phase, int cycles, double offset);
// A horizon line from left to right: base height (fraction) with random detail of roughness.
QVector<QPointF> ridge(Rng &rng, const QSizeF &size, double base, double roughness, int detail);
// Closes a ridge down to the bottom edge and fills it.
void fillBelow(QPainter &p, const QSizeF &size, const QVector<QPointF> &line, const QBrush &brush);
// Fine monochrome grain, amount 0..255 at most either way; softens gradient banding.
void grain(QImage &image, int amount, unsigned seed);
// Darkens the corners.
void vignette(QPainter &p, const QSizeF &size, double strength);

} // namespace Paint
