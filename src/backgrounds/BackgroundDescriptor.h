#pragma once

#include <QColor>
#include <QFont>
#include <QPair>
#include <QString>

// One background as the catalogue knows it: a looping video (path contains ".mp4"), a still
// picture (any other path) or a plain colour (empty path), with the text style that reads over it.
struct BackgroundDescriptor
{
    QString path;
    QString thumbPath;
    QFont font;
    QColor fontColor;
    QColor color = QColor(0, 0, 0);
    QString name; // shown by the command line's list; empty for custom pictures

    static BackgroundDescriptor ofColor(const QColor &color);
    static BackgroundDescriptor ofFile(const QString &path);

    bool isColor() const { return path.isEmpty(); }
    bool isVideo() const { return path.contains(QStringLiteral(".mp4")); }

    // The file made for an output resolution (0 720p, 1 1080p, 2 2160p): for videos
    // resolutionVariantPath, for pictures "bg.jpg" -> "bg-720p.jpg" / "bg-2160p.jpg".
    QString pathFor(int resolution) const;
    // pathFor(resolution) when that file exists, else the base file.
    QString existingPathFor(int resolution) const;
    QPair<QFont, QColor> textStyle() const { return qMakePair(font, fontColor); }
};
