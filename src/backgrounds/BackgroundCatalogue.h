#pragma once

#include "app/Singleton.h"
#include "backgrounds/BackgroundDescriptor.h"

#include <QFont>
#include <QMap>
#include <QString>

// Every background the user can choose, by id: installed pictures ("standard"), installed
// looping videos ("animated"), installed colours ("color") and the user's own pictures (custom).
class BackgroundCatalogue
{
public:
    using Map = QMap<QString, BackgroundDescriptor>;

    struct Folders
    {
        QString backgrounds;           // picture folders and "colorbgs.xml"
        QString animated;              // video folders ("info.xml", "thumb.jpg")
        QString downloaded;            // where the videos are stored once fetched
        QString customFile;            // the user's "custombgs.xml"
    };

    static BackgroundCatalogue *instance() { return Singleton<BackgroundCatalogue>::instance(); }

    // A catalogue over other folders (tests); the default one reads the application's paths.
    explicit BackgroundCatalogue(const Folders &folders);

    // The entry of id; an unknown id gives the default background's entry (empty when missing too).
    BackgroundDescriptor entry(const QString &id) const;
    bool contains(const QString &id) const;

    QString addCustom(const QString &path, const QFont &font, const QColor &fontColor);
    void removeCustom(const QString &id);
    // False when "custombgs.xml" could not be written; the in-memory list stays as it is.
    bool saveCustom() const;

    const Map &standard() const { return m_standard; }
    const Map &animated() const { return m_animated; }
    const Map &colors() const { return m_colors; }
    const Map &custom() const { return m_custom; }

    // "standard00012" from kind "standard" and folder "12"; names of 5 characters or more as they are.
    static QString folderId(const QString &kind, const QString &folderName);

private:
    friend class Singleton<BackgroundCatalogue>;
    BackgroundCatalogue();

    void readFolders(const QString &dir, const QString &kind, Map &map);
    // The entry of id in whichever list holds it; null when none does.
    const BackgroundDescriptor *find(const QString &id) const;

    Folders m_folders;
    Map m_standard;
    Map m_animated;
    Map m_colors;
    Map m_custom;
};
