#include "support/MediaFixtures.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QtEndian>
#include <QtGlobal>

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
