#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>
#include <QVector>

// One installed background: its folder, display name, text style ("family,style word,
// point size,#rrggbb") and how it is drawn.
struct LoopScene
{
    QString folder;
    QString name;
    QString font;
    // What stands still, drawn once per resolution.
    void (*base)(QPainter &p, const QSizeF &size);
    // What moves, over the base, at phase 0..1; phase 1 equals phase 0, so the video loops without a seam.
    void (*paint)(QPainter &p, const QSizeF &size, double phase);
};

struct StillScene
{
    QString folder;
    QString name;
    QString font;
    void (*paint)(QPainter &p, const QSizeF &size);
    int grain; // film grain against gradient banding, 0 none
};

const QVector<LoopScene> &loopScenes();
const QVector<StillScene> &stillScenes();
