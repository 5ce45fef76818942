#include "render/ScenePlan.h"

#include <cmath>

SceneScheduler::SceneScheduler(const Project &project, const ThemeTemplate &theme)
    : m_project(project)
    , m_theme(theme)
{
}

QVector<SceneScheduler::Group> SceneScheduler::groups() const
{
    QVector<Group> result;
    const int used = qMin(m_project.usedSlidesNumber, int(m_project.slides.size()));
    for (int i = 0; i < used; ++i) {
        const int type = m_project.slides.at(i)->type;
        if (!result.isEmpty() && result.last().type == type)
            ++result.last().count;
        else
            result.append(Group{type, i, 1});
    }
    return result;
}

// A scene without objects would take no slide and never end the group, so it never fits.
bool SceneScheduler::findScene(const QList<ThemeScenePtr> &scenes, int &cursor, int slidesLeft) const
{
    for (int tries = 0; tries < scenes.size(); ++tries) {
        const int objects = scenes.at(cursor)->objects.size();
        if (objects > 0 && objects <= slidesLeft)
            return true;
        cursor = (cursor + 1) % scenes.size();
    }
    return false;
}


QVector<ScenePlan> SceneScheduler::plan()
{
    const QVector<Group> slideGroups = groups();
    if (slideGroups.isEmpty()) {
        m_error = QStringLiteral("The project has no slide to render");
        return {};
    }
    const double d = 1.0 / framesPerSecond;
    const double overlapSeconds = m_theme.sceneOverflow * d;
    int photoCursor = 0;
    int textCursor = 0;
    int remaining = 0;
    for (const Group &group : slideGroups)
        remaining += group.count;

    QVector<ScenePlan> scenes;
    double start = 0.0;
    for (const Group &group : slideGroups) {
        const bool photo = group.type != TextSlideType;
        const QList<ThemeScenePtr> &list = photo ? m_theme.photoScenes : m_theme.textScenes;
        int &cursor = photo ? photoCursor : textCursor;
        int slide = group.first;
        int left = group.count;
        while (left > 0) {
            if (list.isEmpty() || !findScene(list, cursor, left)) {
                m_error = QStringLiteral("The theme has no %1 scene for %2 slide(s)")
                              .arg(photo ? QStringLiteral("photo") : QStringLiteral("text"))
                              .arg(left);
                return {};
            }
            ScenePlan scene;
            scene.type = group.type;
            scene.scene = list.at(cursor);
            scene.firstSlide = slide;
            scene.slideCount = scene.scene->objects.size();
            left -= scene.slideCount;
            remaining -= scene.slideCount;
            scene.slidesLeft = remaining;
            scene.overlap = remaining > 0 && m_theme.sceneOverflow >= 1;
            for (int i = 0; i < scene.slideCount; ++i) {
                const double seconds = m_project.lengthOf(slide + i);
                scene.length += seconds;
                scene.slotLengths.append(seconds * framesPerSecond);
            }
            scene.start = start;
            scene.end = start + scene.length;
            if (remaining > 0) {
                scene.length += overlapSeconds;
                scene.slotLengths.last() += double(m_theme.sceneOverflow);
            }
            scene.frameCount = int(std::ceil(scene.length * framesPerSecond));
            scenes.append(scene);
            slide += scene.slideCount;
            start = scene.end;
            cursor = (cursor + 1) % list.size();
        }
    }
    return scenes;
}

SceneRhythm SceneScheduler::rhythmOf(const ThemeTemplate &theme)
{
    SceneRhythm rhythm;
    for (const ThemeScenePtr &scene : theme.photoScenes)
        rhythm.photoSceneSizes.append(scene->objects.size());
    for (const ThemeScenePtr &scene : theme.textScenes)
        rhythm.textSceneSizes.append(scene->objects.size());
    rhythm.overlapSeconds = qMax(0, theme.sceneOverflow) / framesPerSecond;
    return rhythm;
}
