#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// File names as the system keeps them: bytes, which need not be valid UTF-8. Qt's text form of
// such a name loses the bytes that do not decode, so neither QFile nor a folder listing can reach
// the file. Each such file is reached instead through a symbolic link of a decodable name in a
// private folder, which goes (the links only, never what they point to) when the program ends.
class RawFileNames
{
public:
    static RawFileNames &instance();
    ~RawFileNames();
    RawFileNames(const RawFileNames &) = delete;
    RawFileNames &operator=(const RawFileNames &) = delete;

    // Whether the text form of name gives back the same bytes.
    static bool decodable(const QByteArray &name);
    // The name for messages: the bytes that do not decode as \xNN.
    static QString shown(const QByteArray &name);

    // A path that reaches raw (taken from base when relative): raw itself when decodable, a link
    // otherwise; empty when no link could be made.
    QString pathFor(const QByteArray &raw, const QByteArray &base);
    // Whether path is one of the links, and the name it stands for.
    bool isLink(const QString &path) const { return m_links.contains(path); }
    QString shownFor(const QString &path) const;
    // The photos directly in folder whose names do not decode, by their text form (for ordering)
    // and the path that reaches each.
    QList<QPair<QString, QString>> undecodablePictures(const QString &folder);
    // Files that could not be reached, since the last call.
    QStringList takeWarnings();

private:
    RawFileNames() = default;
    bool makeFolder();

    QByteArray m_folder;
    QMap<QString, QByteArray> m_links; // link -> the file it reaches
    QStringList m_warnings;
    int m_count = 0;
};
