#include "support/MediaFixtures.h"

#include <QProcess>
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
