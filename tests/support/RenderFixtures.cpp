#include "support/RenderFixtures.h"

#include <QDir>
#include <QImage>

namespace RenderFixtures {

ThemeScenePtr stillScene(int type, int frames, const QList<QRectF> &boxes)
{
    auto scene = ThemeScenePtr::create();
    scene->type = type;
    scene->frames = frames;
    for (const QRectF &box : boxes) {
        auto object = SceneObjectPtr::create();
        object->aspect = float(box.width() * 16 / (box.height() * 9));
        object->maxWidth = float(box.width());
        object->maxHeight = float(box.height());
        Keyframe key;
        key.topLeft = box.topLeft();
        key.topRight = box.topRight();
        key.bottomRight = box.bottomRight();
        key.bottomLeft = box.bottomLeft();
        for (int f = 0; f <= frames + 1; ++f)
            object->keyframes.insert(f, key);
        scene->objects.append(object);
    }
    return scene;
}

SlidePtr slide(int type, const QString &content, double seconds)
{
    auto s = SlidePtr::create();
    s->type = type;
    s->durationType = OwnDuration;
    s->duration = seconds;
    s->content = content;
    return s;
}

void settle(Project &project)
{
    project.usedSlidesNumber = project.slides.size();
    project.totalDuration = 0.0;
    for (const SlidePtr &s : std::as_const(project.slides))
        project.totalDuration += s->durationType == CommonDuration ? project.effectiveSlideDuration : s->duration;
}

ProjectPtr imageProject(const QStringList &paths, double seconds, int quality)
{
    auto project = ProjectPtr::create();
    for (const QString &path : paths)
        project->slides.append(slide(ImageSlideType, path, seconds));
    project->output.quality = quality;
    settle(*project);
    return project;
}

QString colourPicture(const QString &folder, const QString &name, QColor colour, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = QDir(folder).filePath(name);
    image.save(path);
    return path;
}

} // namespace RenderFixtures
