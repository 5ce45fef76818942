#include "cli/RawFileNames.h"

#include "app/AppConstants.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

RawFileNames &RawFileNames::instance()
{
    static RawFileNames names;
    return names;
}

RawFileNames::~RawFileNames()
{
    for (auto it = m_links.cbegin(); it != m_links.cend(); ++it)
        ::unlink(QFile::encodeName(it.key()).constData());
    if (!m_folder.isEmpty())
        ::rmdir(m_folder.constData());
}

bool RawFileNames::decodable(const QByteArray &name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

QString RawFileNames::shown(const QByteArray &name)
{
    QString text;
    for (int i = 0; i < name.size();) {
        // The longest run from i that decodes, at most one UTF-8 sequence.
        int length = 1;
        while (length < 4 && i + length < name.size() && !decodable(name.mid(i, length)))
            ++length;
        if (decodable(name.mid(i, length))) {
            text += QFile::decodeName(name.mid(i, length));
            i += length;
        } else {
            text += QString::asprintf("\\x%02X", uchar(name.at(i)));
            ++i;
        }
    }
    return text;
}

bool RawFileNames::makeFolder()
{
    if (!m_folder.isEmpty())
        return true;
    QByteArray pattern = QFile::encodeName(QDir::tempPath()) + "/pictovia-render-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return false;
    m_folder = pattern;
    return true;
}

QString RawFileNames::pathFor(const QByteArray &raw, const QByteArray &base)
{
    if (decodable(raw))
        return QFile::decodeName(raw);
    if (!makeFolder())
        return {};
    const QByteArray target = raw.startsWith('/') || base.isEmpty() ? raw : base + '/' + raw;
    // The link keeps the file's name as far as it decodes, and so its extension.
    QString name = QString::fromUtf8(raw.mid(raw.lastIndexOf('/') + 1));
    name.replace(QChar::ReplacementCharacter, QLatin1Char('_'));
    const QString link = QFile::decodeName(m_folder) + QStringLiteral("/%1-%2").arg(++m_count).arg(name);
    if (::symlink(target.constData(), QFile::encodeName(link).constData()) != 0)
        return {};
    m_links.insert(link, target);
    return link;
}

QString RawFileNames::shownFor(const QString &path) const
{
    const auto it = m_links.constFind(path);
    return it == m_links.cend() ? path : shown(it.value());
}

QList<QPair<QString, QString>> RawFileNames::undecodablePictures(const QString &folder)
{
    QList<QPair<QString, QString>> found;
    const QByteArray raw = QFile::encodeName(folder);
    DIR *listing = ::opendir(raw.constData());
    if (!listing)
        return found;
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        const int dot = name.lastIndexOf('.');
        // The extension is ASCII, so it decodes whatever the rest of the name holds.
        if (decodable(name) || dot <= 0 || !isPictureFileName(QString::fromLatin1(name.mid(dot))))
            continue;
        const QByteArray file = raw + '/' + name;
        struct stat info = {};
        if (::stat(file.constData(), &info) != 0 || !S_ISREG(info.st_mode) || ::access(file.constData(), R_OK) != 0)
            continue;
        const QString path = pathFor(file, {});
        if (path.isEmpty())
            m_warnings.append(QStringLiteral("The photo %1 has a name that is not UTF-8 and cannot be opened; it is "
                                             "left out")
                                  .arg(shown(file)));
        else
            found.append({QFile::decodeName(name), path});
    }
    ::closedir(listing);
    return found;
}

QStringList RawFileNames::takeWarnings()
{
    QStringList warnings;
    warnings.swap(m_warnings);
    return warnings;
}
