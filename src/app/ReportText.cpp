#include "app/ReportText.h"

#include <QDir>
#include <QRegularExpression>

namespace ReportText {

namespace {

// The folders of a path: a root ("/", "~/", "file:///", "C:\") and one or more names, each
// followed by a separator. A path starts the text or follows a space, a quote or an opening
// bracket, so the path part of a web address stays. A name neither starts nor ends with a space
// and holds no ":", so "a.jpg to /b/c.jpg" and "a.jpg: read/write" are not read as folders.
const QRegularExpression &folders()
{
    static const QRegularExpression expression(QStringLiteral(
        R"((?<![^\s"'(\[<=,;])(?:file://|~)?(?:/|[A-Za-z]:[\\/])(?:[^/\\\s:](?:[^/\\\r\n:]*[^/\\\s:])?[/\\])+)"));
    return expression;
}

} // namespace

QString withoutFolders(const QString &text)
{
    QString result = text;
    result.replace(folders(), QString());
    // Where the home folder is glued to other text, no rule above sees it as a path.
    const QString home = QDir::homePath();
    if (home.size() > 1)
        result.replace(QRegularExpression(QRegularExpression::escape(home) + QStringLiteral(R"((?![\w.-]))")),
                       QStringLiteral("~"));
    return result;
}

} // namespace ReportText
