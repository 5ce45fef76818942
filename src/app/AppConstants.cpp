#include "app/AppConstants.h"

#include "BuildConfig.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

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

// "Label (*.jpg *jpeg)" -> "Label ", {"*.jpg", "*jpeg"}; no patterns when it has no parentheses.
static QStringList labelPatterns(const QString &label, QString *text)
{
    static const QRegularExpression trailing(QStringLiteral("^(.*)\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = trailing.match(label);
    *text = match.hasMatch() ? match.captured(1) : label + QLatin1Char(' ');
    return match.hasMatch() ? match.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
}

QString fileDialogNameFilter(const QString &label, const QStringList &suffixes)
{
    QString text;
    QStringList patterns = labelPatterns(label, &text);
    const auto taken = [&patterns](const QString &name) {
        return std::any_of(patterns.cbegin(), patterns.cend(), [&name](const QString &pattern) {
            return QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive).match(name).hasMatch();
        });
    };
    // Lower case first, as a reader expects the list.
    QStringList missing;
    for (const bool upper : {false, true}) {
        for (const QString &suffix : suffixes) {
            const QString ending = upper ? suffix.toUpper() : suffix.toLower();
            if (!taken(QStringLiteral("name.") + ending))
                missing << QStringLiteral("*.") + ending;
        }
    }
    if (missing.isEmpty())
        return label;
    patterns << missing;
    return text + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
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
