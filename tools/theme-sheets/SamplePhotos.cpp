#include "SamplePhotos.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtEndian>

#include <cmath>

namespace {

void sky(QPainter &p, const QSize &size, double horizon, const QColor &top, const QColor &low)
{
    QLinearGradient g(0, 0, 0, size.height() * horizon);
    g.setColorAt(0, top);
    g.setColorAt(1, low);
    p.fillRect(QRectF(QPointF(), QSizeF(size)), g); // the low colour carries on below the horizon
}

void sun(QPainter &p, QPointF centre, double radius, const QColor &colour)
{
    QRadialGradient glow(centre, radius * 4);
    glow.setColorAt(0, colour);
    glow.setColorAt(0.25, QColor(colour.red(), colour.green(), colour.blue(), 120));
    glow.setColorAt(1, Qt::transparent);
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, radius * 4, radius * 4);
    p.setBrush(QColor(255, 250, 235));
    p.drawEllipse(centre, radius, radius);
}

// A ridge of hills from left to right, filled down to the bottom.
void ridge(QPainter &p, const QSize &size, double base, double height, int seed, const QColor &top,
           const QColor &bottom)
{
    QRandomGenerator random(seed);
    QPainterPath path(QPointF(0, size.height()));
    const int steps = 48;
    double phase = random.bounded(6.28);
    for (int i = 0; i <= steps; ++i) {
        const double x = double(i) / steps;
        const double y = base - height * (0.55 + 0.3 * std::sin(x * 7 + phase) + 0.15 * std::sin(x * 23 + phase * 2)
                                          + 0.1 * random.bounded(1.0));
        path.lineTo(x * size.width(), y * size.height());
    }
    path.lineTo(size.width(), size.height());
    QLinearGradient g(0, (base - height) * size.height(), 0, size.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
}

void grain(QImage &image, int seed)
{
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.bounded(13)) - 6;
            line[x] = qRgb(qBound(0, qRed(line[x]) + n, 255), qBound(0, qGreen(line[x]) + n, 255),
                           qBound(0, qBlue(line[x]) + n, 255));
        }
    }
}

QImage lake()
{
    QImage image(1800, 1200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, image.size(), 0.62, QColor(64, 120, 190), QColor(250, 200, 150));
    sun(p, QPointF(1250, 560), 40, QColor(255, 220, 160));
    ridge(p, image.size(), 0.62, 0.22, 3, QColor(120, 130, 170), QColor(90, 100, 140));
    ridge(p, image.size(), 0.64, 0.12, 5, QColor(50, 80, 70), QColor(30, 50, 45));
    QLinearGradient water(0, 770, 0, 1200);
    water.setColorAt(0, QColor(200, 170, 150));
    water.setColorAt(1, QColor(30, 70, 110));
    p.fillRect(0, 770, 1800, 430, water);
    p.end();
    grain(image, 11);
    return image;
}

QImage forest()
{
    QImage image(1200, 1800, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, image.size(), 1.0, QColor(200, 225, 200), QColor(60, 100, 60));
    QRandomGenerator random(7);
    for (int i = 0; i < 26; ++i) {
        const double x = random.bounded(1200.0);
        const double w = 30 + random.bounded(60.0);
        const int shade = 30 + int(random.bounded(50));
        p.fillRect(QRectF(x, 0, w, 1800), QColor(shade, shade + 15, shade - 10));
    }
    QLinearGradient light(0, 0, 1200, 1800);
    light.setColorAt(0, QColor(255, 250, 200, 110));
    light.setColorAt(0.5, QColor(255, 250, 200, 0));
    p.fillRect(image.rect(), light);
    p.fillRect(0, 1450, 1200, 350, QColor(70, 60, 40));
    p.end();
    grain(image, 13);
    return image;
}

QImage city()
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter p(&image);
    sky(p, image.size(), 1.0, QColor(40, 30, 90), QColor(250, 140, 90));
    QRandomGenerator random(9);
    double x = 0;
    while (x < 1920) {
        const double w = 60 + random.bounded(110.0);
        const double h = 250 + random.bounded(520.0);
        p.fillRect(QRectF(x, 1080 - h, w - 6, h), QColor(25, 25, 45));
        for (double wy = 1080 - h + 20; wy < 1060; wy += 28)
            for (double wx = x + 10; wx < x + w - 20; wx += 22)
                if (random.bounded(3) == 0)
                    p.fillRect(QRectF(wx, wy, 10, 14), QColor(255, 210, 120));
        x += w;
    }
    p.end();
    grain(image, 17);
    return image;
}

QImage beach()
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, image.size(), 0.5, QColor(90, 170, 230), QColor(200, 230, 245));
    QLinearGradient sea(0, 600, 0, 800);
    sea.setColorAt(0, QColor(20, 110, 160));
    sea.setColorAt(1, QColor(60, 180, 190));
    p.fillRect(0, 600, 1600, 200, sea);
    QLinearGradient sand(0, 800, 0, 1200);
    sand.setColorAt(0, QColor(240, 220, 170));
    sand.setColorAt(1, QColor(210, 180, 130));
    p.fillRect(0, 800, 1600, 400, sand);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 60, 60));
    p.drawPie(QRectF(1000, 700, 360, 220), 0, 180 * 16);
    p.fillRect(QRectF(1176, 810, 8, 220), QColor(90, 70, 50));
    p.end();
    grain(image, 19);
    return image;
}

QImage flowers()
{
    QImage image(1200, 1600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, image.size(), 1.0, QColor(120, 160, 90), QColor(40, 80, 40));
    QRandomGenerator random(23);
    const QColor petals[] = {QColor(240, 80, 120), QColor(250, 200, 60), QColor(250, 250, 240), QColor(180, 90, 220)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const double y = random.bounded(1600.0);
        const double r = 6 + 30 * y / 1600 + random.bounded(8.0);
        p.setBrush(petals[random.bounded(4)]);
        p.drawEllipse(QPointF(random.bounded(1200.0), y), r, r * 0.8);
    }
    p.end();
    grain(image, 29);
    return image;
}

QImage dunes()
{
    QImage image(1800, 1200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, image.size(), 0.5, QColor(120, 170, 220), QColor(240, 220, 200));
    ridge(p, image.size(), 0.7, 0.25, 31, QColor(230, 170, 100), QColor(190, 120, 70));
    ridge(p, image.size(), 0.9, 0.2, 37, QColor(210, 140, 80), QColor(150, 90, 50));
    p.end();
    grain(image, 31);
    return image;
}

// An APP1 segment holding only the orientation tag, little-endian.
QByteArray orientationSegment(quint16 orientation)
{
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    const auto put16 = [&tiff](quint16 v) { tiff.append(char(v & 0xff)).append(char(v >> 8)); };
    const auto put32 = [&tiff](quint32 v) { for (int i = 0; i < 4; ++i) tiff.append(char((v >> (8 * i)) & 0xff)); };
    put16(1);                       // one entry
    put16(0x0112);                  // orientation
    put16(3);                       // SHORT
    put32(1);
    put16(orientation);
    put16(0);
    put32(0);                       // no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    segment.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xff));
    return segment + payload;
}

QString save(const QImage &image, const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    image.save(path, "JPEG", 88);
    return path;
}

// Stored turned a quarter counter-clockwise, as a camera held upright writes it; orientation 6
// tells viewers to turn it back clockwise.
QString saveSideways(const QImage &image, const QString &folder, const QString &name)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.transformed(QTransform().rotate(-90)).save(&buffer, "JPEG", 88);
    jpeg.insert(2, orientationSegment(6));
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(jpeg);
    return path;
}

} // namespace

QStringList writeSamplePhotos(const QString &folder)
{
    return {save(lake(), folder, "lake.jpg"),     save(forest(), folder, "forest.jpg"),
            save(city(), folder, "city.jpg"),     saveSideways(beach(), folder, "beach-rotated.jpg"),
            save(flowers(), folder, "flowers.jpg"), save(dunes(), folder, "dunes.jpg")};
}
