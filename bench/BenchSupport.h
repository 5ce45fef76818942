#pragma once

// Process figures the benchmark programs report: CPU time and peak resident memory (Linux).

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTextStream>

#include <sys/resource.h>

namespace BenchSupport {

// User plus system CPU time of the whole process so far; on a shared machine it shows the work
// itself, apart from waiting for a core.
inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The process's peak resident memory in kB, -1 when it cannot be read.
inline long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Linux lets a process reset its own peak, so that a later case measures its own.
inline void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// The word after an option ("--only NAME"), or "" when the option is not given.
inline QString optionValue(const QStringList &arguments, const QString &option)
{
    const int at = arguments.indexOf(option);
    return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

// Runs this program again for one case, so that its peak memory is its own; its table line goes
// to out. Returns the child's exit code.
inline int runCaseAlone(const QStringList &arguments, const QString &name, QTextStream &out)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                arguments.mid(1) + QStringList{QStringLiteral("--only"), name, QStringLiteral("--no-header")});
    child.waitForFinished(-1);
    out << child.readAllStandardOutput();
    out.flush();
    return child.exitCode();
}

} // namespace BenchSupport
