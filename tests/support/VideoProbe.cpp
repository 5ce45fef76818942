#include "support/VideoProbe.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include <algorithm>

namespace {

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

} // namespace

namespace VideoProbe {

QJsonObject probe(const QString &path)
{
    const QByteArray out = run(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"),
                                                           QStringLiteral("-count_frames"),
                                                           QStringLiteral("-show_streams"),
                                                           QStringLiteral("-show_format"), QStringLiteral("-of"),
                                                           QStringLiteral("json"), path});
    return QJsonDocument::fromJson(out).object();
}

QJsonObject stream(const QJsonObject &probed, const QString &type)
{
    const QJsonArray streams = probed.value(QStringLiteral("streams")).toArray();
    for (const QJsonValue &value : streams) {
        if (value.toObject().value(QStringLiteral("codec_type")).toString() == type)
            return value.toObject();
    }
    return {};
}

int videoFrameCount(const QString &path)
{
    return stream(probe(path), QStringLiteral("video")).value(QStringLiteral("nb_read_frames")).toString().toInt();
}

QImage decodeFrame(const QString &path, int n)
{
    const QJsonObject video = stream(probe(path), QStringLiteral("video"));
    const int width = video.value(QStringLiteral("width")).toInt();
    const int height = video.value(QStringLiteral("height")).toInt();
    const QByteArray raw =
        run(QStringLiteral("ffmpeg"),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path, QStringLiteral("-vf"),
             QStringLiteral("select=eq(n\\,%1)").arg(n), QStringLiteral("-vsync"), QStringLiteral("0"),
             QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("rawvideo"),
             QStringLiteral("-pix_fmt"), QStringLiteral("rgb24"), QStringLiteral("-")});
    if (width <= 0 || raw.size() != width * height * 3)
        return {};
    QImage image(reinterpret_cast<const uchar *>(raw.constData()), width, height, width * 3, QImage::Format_RGB888);
    return image.copy();
}

QList<double> videoFrameTimes(const QString &path)
{
    const QByteArray out = run(QStringLiteral("ffprobe"),
                               {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                                QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                                QStringLiteral("frame=pts_time"), QStringLiteral("-of"), QStringLiteral("csv=p=0"),
                                path});
    QList<double> times;
    for (const QByteArray &line : out.split('\n')) {
        if (!line.trimmed().isEmpty())
            times.append(line.trimmed().toDouble());
    }
    std::sort(times.begin(), times.end());
    return times;
}

double duration(const QString &path, const QString &type)
{
    const QJsonObject probed = probe(path);
    const QJsonObject source = type.isEmpty() ? probed.value(QStringLiteral("format")).toObject() : stream(probed, type);
    return source.value(QStringLiteral("duration")).toString().toDouble();
}

} // namespace VideoProbe
