#pragma once

#include <QString>

// One installed theme folder as the catalogue indexed it.
struct ThemeEntry
{
    int id = 0;
    QString name;      // display name from "info.xml"
    QString thumbPath; // folder + "/thumb.jpg"
    QString preview;   // preview reference from "info.xml"
};
