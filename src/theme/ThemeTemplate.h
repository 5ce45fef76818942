#pragma once

#include <QColor>
#include <QList>
#include <QMap>
#include <QPointF>
#include <QSharedPointer>

// The in-memory model of a theme's "template.xml": read once, then shared read-only by the
// catalogue, the scene readers, the compositor and the style previews.
// Positions are fractions of the output frame; time is counted in output frames (30 per second).

// Offsets and blur are fractions of the reference side of the picture that casts the shadow.
struct ShadowSpec
{
    float offsetX = 0.0f;
    float offsetY = 0.0f;
    float blur = 0.0f; // at most 0.00001 means no shadow at all
    QColor color = QColor(0, 0, 0, 255);
};

// One keyframe: a quadrilateral in polygon order and an opacity from 0 to 1.
struct Keyframe
{
    QPointF topLeft;
    QPointF topRight;
    QPointF bottomRight;
    QPointF bottomLeft;
    float opacity = 1.0f;
};

enum SceneType { PhotoScene = 1, TextScene = 2 };

struct SceneObject
{
    QMap<int, Keyframe> keyframes; // scene frame number -> keyframe, looked up exactly
    float aspect = 1.0f;           // width / height of the object's box
    float maxWidth = 1.0f;         // caps the prepared picture, fraction of the output width
    float maxHeight = 1.0f;        // fraction of the output height
};
using SceneObjectPtr = QSharedPointer<SceneObject>;

struct ThemeScene
{
    int frames = 0;
    int type = PhotoScene;
    QList<SceneObjectPtr> objects; // one slide per object, in document order
};
using ThemeScenePtr = QSharedPointer<ThemeScene>;

struct ThemeTemplate
{
    QList<ThemeScenePtr> textScenes;
    QList<ThemeScenePtr> photoScenes;
    int fadeIn = 0;        // frames of the fade from black at the start of the video
    int fadeOut = 0;       // frames of the fade to black at its end
    int sceneOverflow = 0; // frames by which consecutive scenes overlap
    ShadowSpec shadow;
    ShadowSpec textShadow;
    float borderWidth = 0.0f;
    QColor borderColor = QColor(255, 255, 255, 255);
};
using ThemeTemplatePtr = QSharedPointer<ThemeTemplate>;
