#pragma once

#include "app/AppConstants.h"
#include "theme/StyleSettings.h"

#include <QColor>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// What one pictovia-render command line asks for.
struct RenderOptions
{
    struct Item
    {
        enum Kind { Picture, Text };
        Kind kind = Picture;
        QString value; // a photo file or a folder of photos, or the text of a text slide
    };

    QList<Item> items;
    QStringList music;
    int themeId = 1;
    int quality = 1;
    double duration = 0.0; // seconds per slide; 0: durations fit the music
    QString background = AppConstants::defaultBackgroundId; // an id, #rrggbb or a file
    int border = 0; // style levels 0-4, 0 keeps the theme's own value
    int shadow = 0;
    int textShadow = 0;
    QString font;
    QColor fontColor; // invalid: the background's text colour
    QString output;
    bool help = false;
    bool list = false;
    bool beat = false; // slides change on the beat; with --project, turns it on
    bool version = false;
    QString projectDir;     // --project: render this saved-project folder
    QString saveProjectDir; // --save-project: write the project into this folder instead of rendering
    StyleSettingsPtr style; // a saved project's style, for what the options above cannot say
    QSet<QString> given;    // the options on the command line, by their long names

    // The file an argument names, by its index; the argument itself when not given. Lets
    // names the text form cannot hold (not UTF-8) reach their files.
    using PathOf = std::function<QString(int index)>;

    // Parses the arguments after the program name; on failure returns false with a message.
    // After "--" every argument is an item, whatever it begins with.
    bool parse(const QStringList &arguments, QString *error, const PathOf &pathOf = nullptr);
    // The style record the settings screen would hold for these choices (over style's, when loaded).
    StyleSettings styleSettings() const;
    static QString helpText();

private:
    // The options that take a value.
    static bool isOption(const QString &argument);
    bool checkProjectModes(QString *error) const;
};
