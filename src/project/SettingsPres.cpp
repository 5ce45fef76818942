#include "project/SettingsPres.h"

#include "app/CommonError.h"
#include "project/OutputSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

// A folder on a slow or just-mounted drive may not resolve at the first attempt.
static constexpr int canonicalRetries = 50;

SettingsPres::SettingsPres()
{
    const OutputSettings output;
    m_resolution = output.quality;
    m_saveDir = output.saveDir;
}

void SettingsPres::setResolution(int resolution)
{
    if (resolution == m_resolution)
        return;
    m_resolution = resolution;
    Q_EMIT resolutionChanged();
    Q_EMIT outputEdited();
}

QString SettingsPres::saveDir() const
{
    for (int attempt = 0; attempt <= canonicalRetries; ++attempt) {
        const QString canonical = QFileInfo(m_saveDir).canonicalFilePath();
        if (!canonical.isEmpty())
            return canonical;
        if (!QFileInfo::exists(m_saveDir))
            break; // a missing folder will not appear by asking again
    }
    return m_saveDir;
}

void SettingsPres::setSaveDir(const QString &saveDir)
{
    const bool edited = saveDir != m_saveDir;
    m_saveDir = saveDir;
    Q_EMIT saveDirChanged();
    if (edited)
        Q_EMIT outputEdited();
}

void SettingsPres::showOutput(int resolution, const QString &saveDir)
{
    if (resolution != m_resolution) {
        m_resolution = resolution;
        Q_EMIT resolutionChanged();
    }
    m_saveDir = saveDir;
    Q_EMIT saveDirChanged();
}

bool SettingsPres::checkSaveDirPermission(const QString &saveDir)
{
    QFile probe(QDir(saveDir).filePath(QUuid::createUuid().toString()));
    if (probe.open(QIODevice::ReadWrite)) {
        probe.close();
        probe.remove();
        return true;
    }
    CommonError::report(tr("Please select another Result Directory. Can't create output file in") +
                        QStringLiteral(" \"") + saveDir + QStringLiteral("\"."));
    return false;
}

void SettingsPres::mkSaveDir()
{
    // The whole path: the default folder sits in a movies folder that may not exist yet.
    QDir().mkpath(m_saveDir);
}
