#include "support/MediaFixtures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QtEndian>
#include <QtGlobal>

#include <cmath>

bool runFfmpeg(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("ffmpeg"),
                  QStringList{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                              QStringLiteral("-nostdin"), QStringLiteral("-y")}
                      + arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("ffmpeg failed: %s", process.readAll().constData());
        return false;
    }
    return true;
}

bool makeTone(const QString &path, double seconds, int rate, int channels, const QStringList &extra)
{
    return runFfmpeg(QStringList{QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                 QStringLiteral("sine=frequency=440:sample_rate=%1:duration=%2").arg(rate).arg(seconds),
                                 QStringLiteral("-ac"), QString::number(channels)}
                     + extra + QStringList{path});
}

bool writeClickTrack(const QString &path, const QVector<double> &clicks, double seconds)
{
    constexpr int rate = 44100;
    const int count = int(seconds * rate);
    QVector<float> samples(count, 0.0f);
    for (double at : clicks) {
        const int first = int(at * rate);
        for (int i = 0; i < rate / 10 && first + i < count; ++i) {
            const double t = double(i) / rate;
            const double thump = std::sin(2 * M_PI * 60 * t) * std::exp(-t * 40);
            const double tick = std::sin(2 * M_PI * 2500 * t) * std::exp(-t * 300);
            samples[first + i] += float(0.6 * thump + 0.3 * tick);
        }
    }
    QByteArray data;
    data.reserve(44 + count * 2);
    auto put32 = [&data](quint32 v) { char b[4]; qToLittleEndian(v, b); data.append(b, 4); };
    auto put16 = [&data](quint16 v) { char b[2]; qToLittleEndian(v, b); data.append(b, 2); };
    data.append("RIFF");
    put32(36 + count * 2);
    data.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    data.append("data");
    put32(count * 2);
    for (float sample : samples)
        put16(quint16(qint16(qBound(-1.0f, sample, 1.0f) * 32767)));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QVector<double> clicksAt(double bpm, double start, double end)
{
    QVector<double> times;
    for (double at = start; at < end - 1e-9; at += 60.0 / bpm)
        times.append(at);
    return times;
}

QByteArray encodedPicture(int width, int height, const char *format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

namespace {

QByteArray bigEndian(quint32 value)
{
    const quint32 be = qToBigEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&be), 4);
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    return bigEndian(quint32(data.size())) + type + data + bigEndian(crc32(type + data));
}

} // namespace

QByteArray pngDeclaring(int width, int height)
{
    const QByteArray header = bigEndian(quint32(width)) + bigEndian(quint32(height)) + QByteArray("\x08\x06\0\0\0", 5);
    // qCompress puts the length before the zlib stream.
    const QByteArray rows = qCompress(QByteArray(4096, 0)).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", rows)
           + pngChunk("IEND", QByteArray());
}

QByteArray jpegDeclaring(int width, int height)
{
    QByteArray jpeg = encodedPicture(64, 64, "JPG");
    // Baseline frame header: marker, length, precision, then height and width.
    const int sof = jpeg.indexOf("\xFF\xC0");
    const char sides[4] = {char(height >> 8), char(height & 0xFF), char(width >> 8), char(width & 0xFF)};
    if (sof > 0)
        jpeg.replace(sof + 5, 4, sides, 4);
    return jpeg;
}
