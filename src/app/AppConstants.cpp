#include "app/AppConstants.h"

#include "BuildConfig.h"

QString thumbFileName(const QString &name)
{
    return AppConstants::thumbFileNamePattern.arg(name, 0, QLatin1Char(' '));
}

QString resolutionVariantPath(const QString &path, int resolution)
{
    QString result = path;
    if (resolution == 0)
        result.replace(QStringLiteral(".mp4"), QStringLiteral("-720p.mp4"), Qt::CaseSensitive);
    else if (resolution == 2)
        result.replace(QStringLiteral(".mp4"), QStringLiteral("-2160p.mp4"), Qt::CaseSensitive);
    return result;
}

bool isPictureFileName(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && AppConstants::pictureSuffixes.contains(fileName.mid(dot + 1), Qt::CaseInsensitive);
}

QString anyCasePatterns(const QStringList &suffixes)
{
    QStringList patterns;
    for (const QString &suffix : suffixes) {
        QString pattern = QStringLiteral("*.");
        for (const QChar c : suffix)
            pattern += c.isLetter() ? QStringLiteral("[%1%2]").arg(c, c.toUpper()) : QString(c);
        patterns << pattern;
    }
    return patterns.join(QLatin1Char(' '));
}

QString pictureNameFilter(const QString &label)
{
    return QStringLiteral("%1 (%2)").arg(label, anyCasePatterns(AppConstants::pictureSuffixes));
}

static QString settingFromEnvironment(const char *name, const char *buildDefault)
{
    const QByteArray env = qgetenv(name);
    return env.isNull() ? QString::fromUtf8(buildDefault) : QString::fromUtf8(env);
}

QString reportServerUrl()
{
    return settingFromEnvironment("PICTOVIA_REPORT_URL", PICTOVIA_REPORT_URL_DEFAULT);
}

QString contentServerUrl()
{
    return settingFromEnvironment("PICTOVIA_CONTENT_URL", PICTOVIA_CONTENT_URL_DEFAULT);
}

QString tipsVideoUrl()
{
    return settingFromEnvironment("PICTOVIA_TIPS_VIDEO_URL", PICTOVIA_TIPS_VIDEO_URL_DEFAULT);
}
