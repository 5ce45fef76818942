#pragma once

#include "project/Project.h"
#include "theme/ThemeTemplate.h"

#include <QString>
#include <QVector>

// One scene of the video as the compositor will play it: which theme scene, which slides,
// and how long each slide's slot lasts.
struct ScenePlan
{
    int type = ImageSlideType;   // the slide type of the group the scene belongs to
    ThemeScenePtr scene;
    int firstSlide = 0;          // index in the project's slides
    int slideCount = 0;          // the scene's object count
    QVector<double> slotLengths; // output frames, one per slide; the last includes the overlap
    double start = 0.0;          // seconds on the video's time line
    double end = 0.0;            // start plus the slides' durations, overlap not counted
    double length = 0.0;         // seconds the scene is drawn, overlap counted
    int frameCount = 0;          // ceil(length x 30)
    bool overlap = false;        // the next scene starts while this one is still drawn
    int slidesLeft = 0;          // used slides after this scene
};

// The whole sequence of scenes for a project and a theme, or an empty list and a message
// when the project cannot be played with that theme.
class SceneScheduler
{
public:
    static constexpr double framesPerSecond = 30.0;

    SceneScheduler(const Project &project, const ThemeTemplate &theme);

    QVector<ScenePlan> plan();
    // What the project needs to know of a theme to put its hand-overs on the beat.
    static SceneRhythm rhythmOf(const ThemeTemplate &theme);
    QString errorText() const { return m_error; }

private:
    struct Group
    {
        int type;
        int first;
        int count;
    };

    QVector<Group> groups() const;
    // Moves the cursor of that scene list to the next scene that fits; false when none does.
    bool findScene(const QList<ThemeScenePtr> &scenes, int &cursor, int slidesLeft) const;

    const Project &m_project;
    const ThemeTemplate &m_theme;
    QString m_error;
};
