#include "Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace Paint {

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(qBound(0.0, alpha, 1.0));
    return color;
}

void linearFill(QPainter &p, const QSizeF &size, QPointF a, QPointF b, const QVector<QPair<double, QColor>> &stops)
{
    QLinearGradient g(a.x() * size.width(), a.y() * size.height(), b.x() * size.width(), b.y() * size.height());
    for (const auto &stop : stops)
        g.setColorAt(stop.first, stop.second);
    p.fillRect(QRectF(QPointF(0, 0), size), g);
}

void glow(QPainter &p, QPointF centre, double radius, const QColor &color, double alpha)
{
    if (radius <= 0.0 || alpha <= 0.0)
        return;
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, withAlpha(color, alpha));
    g.setColorAt(0.35, withAlpha(color, alpha * 0.55));
    g.setColorAt(0.7, withAlpha(color, alpha * 0.15));
    g.setColorAt(1.0, withAlpha(color, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void bokehDisc(QPainter &p, QPointF centre, double radius, const QColor &color, double alpha)
{
    if (radius <= 0.0 || alpha <= 0.0)
        return;
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, withAlpha(color, alpha * 0.55));
    g.setColorAt(0.78, withAlpha(color, alpha * 0.7));
    g.setColorAt(0.92, withAlpha(color, alpha));
    g.setColorAt(1.0, withAlpha(color, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

double envelope(double fraction)
{
    return std::sin(pi * fraction);
}

double cycleFraction(double phase, int cycles, double offset)
{
    const double f = phase * cycles + offset;
    return f - std::floor(f);
}

QVector<QPointF> ridge(Rng &rng, const QSizeF &size, double base, double roughness, int detail)
{
    // Midpoint displacement: each halving of the segments halves the random offsets.
    QVector<double> heights = {base + rng(-roughness, roughness), base + rng(-roughness, roughness)};
    double spread = roughness;
    for (int level = 0; level < detail; ++level) {
        QVector<double> finer;
        for (int i = 0; i + 1 < heights.size(); ++i) {
            finer.append(heights.at(i));
            finer.append((heights.at(i) + heights.at(i + 1)) / 2.0 + rng(-spread, spread));
        }
        finer.append(heights.last());
        heights = finer;
        spread *= 0.55;
    }
    QVector<QPointF> line;
    for (int i = 0; i < heights.size(); ++i)
        line.append(QPointF(size.width() * i / (heights.size() - 1), size.height() * heights.at(i)));
    return line;
}

void fillBelow(QPainter &p, const QSizeF &size, const QVector<QPointF> &line, const QBrush &brush)
{
    QPainterPath path;
    path.moveTo(0, size.height() + 1);
    for (const QPointF &point : line)
        path.lineTo(point);
    path.lineTo(size.width(), size.height() + 1);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(path, brush);
}

void grain(QImage &image, int amount, unsigned seed)
{
    std::minstd_rand engine(seed);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(engine() % unsigned(2 * amount + 1)) - amount;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d, 255), qBound(0, qBlue(c) + d, 255));
        }
    }
}

void vignette(QPainter &p, const QSizeF &size, double strength)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    QRadialGradient g(centre, std::hypot(size.width(), size.height()) * 0.6);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, withAlpha(Qt::black, strength));
    p.fillRect(QRectF(QPointF(0, 0), size), g);
}

} // namespace Paint
