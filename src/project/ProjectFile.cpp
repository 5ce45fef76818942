#include "project/ProjectFile.h"

#include "app/AppConstants.h"
#include "app/Logging.h"
#include "project/AtomicFile.h"
#include "render/MediaFileReader.h"
#include "theme/ThemeReader.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QString rootElement = QStringLiteral("project");

// Shortest general form, at most 6 significant digits: 5 -> "5", 12.5 -> "12.5".
QString number(double value)
{
    return QString::number(value, 'g', 6);
}

QString colorText(const QColor &color)
{
    return QStringLiteral("%1,%2,%3").arg(color.red()).arg(color.green()).arg(color.blue());
}

bool writeXml(const QString &path, const std::function<void(QXmlStreamWriter &)> &body, QString *error)
{
    return writeFileAtomically(
        path,
        [&body](QIODevice &device) {
            QXmlStreamWriter xml(&device);
            xml.setAutoFormatting(false);
            xml.writeStartDocument();
            body(xml);
            xml.writeEndDocument();
            return !xml.hasError();
        },
        error);
}

// Absent or unreadable attributes give the fallback: a damaged file never yields garbage values.
int intAttribute(const QXmlStreamAttributes &attrs, const QString &name, int fallback)
{
    bool ok = false;
    const int value = attrs.value(name).toInt(&ok);
    return ok ? value : fallback;
}

// Durations are seconds: NaN, infinities and negative values are damage, not choices; a value
// past what the duration boxes allow is taken as the longest they do (a video of years would
// take years to render).
double durationAttribute(const QXmlStreamAttributes &attrs, const QString &name, double fallback)
{
    bool ok = false;
    const double value = attrs.value(name).toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0.0)
        return fallback;
    return std::min(value, AppConstants::longestSlideDuration);
}

bool openForReading(QFile &file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly | QIODevice::Text);
}

// Beats kept for a track: only for the file as it still is, and only when every time is a
// number that rises; anything else is listened for again.
BeatGrid readBeats(const QXmlStreamAttributes &attrs, const QString &path)
{
    BeatGrid grid;
    const QString source = attrs.value(QLatin1String("beats-of")).toString();
    if (source.isEmpty() || source != BeatGrid::sourceOf(path))
        return grid;
    constexpr int mostBeats = 100000; // beats of hours of music
    const QStringList times = attrs.value(QLatin1String("beats")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (times.size() > mostBeats)
        return grid;
    for (const QString &text : times) {
        bool ok = false;
        const double at = text.toDouble(&ok);
        if (!ok || !std::isfinite(at) || at < 0.0 || (!grid.beats.isEmpty() && at <= grid.beats.last()))
            return BeatGrid();
        grid.beats.append(at);
    }
    bool ok = false;
    const double tempo = attrs.value(QLatin1String("tempo")).toDouble(&ok);
    grid.tempo = ok && std::isfinite(tempo) && tempo > 0.0 && tempo < 1000.0 && grid.beats.size() >= 2 ? tempo : 0.0;
    if (grid.tempo == 0.0)
        grid.beats.clear();
    grid.source = source;
    return grid;
}

void writeBeats(QXmlStreamWriter &xml, const BeatGrid &grid)
{
    if (!grid.isTracked())
        return;
    xml.writeAttribute(QStringLiteral("beats-of"), grid.source);
    if (!grid.isSteady())
        return;
    xml.writeAttribute(QStringLiteral("tempo"), number(grid.tempo));
    QStringList times;
    times.reserve(grid.beats.size());
    for (double at : grid.beats)
        times.append(QString::number(at, 'f', 3));
    xml.writeAttribute(QStringLiteral("beats"), times.join(QLatin1Char(' ')));
}

void readProjectAttributes(const QXmlStreamAttributes &attrs, Project &project)
{
    project.setDurationFixed(attrs.hasAttribute(QLatin1String("slide-duration-fixed")));
    project.setBeatSync(attrs.value(QLatin1String("slides-on-beat")) == QLatin1String("1"));
    project.setSlideDuration(durationAttribute(attrs, QStringLiteral("slide-duration"), 4.0));
    int quality = intAttribute(attrs, QStringLiteral("quality"), 0);
    if (quality < 0 || quality > 2)
        quality = 0;
    project.setOutputSettings(quality, attrs.value(QLatin1String("save-dir")).toString());
}

// Music that vanished since the save, or cannot be read, is left out; the project keeps its
// name so the caller can say so.
MediaFileInfoPtr readTrack(const QXmlStreamAttributes &attrs, Project &project)
{
    const QString path = attrs.value(QLatin1String("path")).toString();
    if (path.isEmpty())
        return {};
    if (!QFileInfo(path).isFile()) {
        project.missingMusic.append(path);
        return {};
    }
    const MediaFileInfoPtr track = MediaFileReader::tryRead(path);
    // No sound at all is as good as none: durations would be fitted to nothing.
    if (!track || !(track->duration() > 0.0f)) {
        project.unreadableMusic.append(path);
        return {};
    }
    track->setBeatGrid(readBeats(attrs, path));
    return track;
}

SlidePtr readSlide(const QXmlStreamAttributes &attrs)
{
    const int type = intAttribute(attrs, QStringLiteral("type"), 0);
    if (type != ImageSlideType && type != TextSlideType)
        return {};
    auto slide = SlidePtr::create();
    slide->type = type;
    const int durationType = intAttribute(attrs, QStringLiteral("duration-type"), CommonDuration);
    slide->durationType = durationType == OwnDuration ? OwnDuration : CommonDuration;
    slide->duration = durationAttribute(attrs, QStringLiteral("duration"), 0.0);
    if (type == ImageSlideType) {
        slide->rotation = intAttribute(attrs, QStringLiteral("rotation"), 0);
        slide->content = attrs.value(QLatin1String("path")).toString();
    } else {
        slide->content = attrs.value(QLatin1String("text")).toString();
    }
    return slide;
}

// Reads the children named child of the element just started, up to its end or an XML error
// (the reader then holds it).
void readChildren(QXmlStreamReader &xml, const QString &parent, const QString &child,
                  const std::function<void(const QXmlStreamAttributes &)> &take)
{
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == child)
            take(xml.attributes());
        else if (xml.isEndElement() && xml.name() == parent)
            return;
    }
}

void writeSlide(QXmlStreamWriter &xml, const Slide &slide)
{
    xml.writeStartElement(QStringLiteral("slide"));
    xml.writeAttribute(QStringLiteral("type"), QString::number(slide.type));
    xml.writeAttribute(QStringLiteral("duration-type"), QString::number(slide.durationType));
    xml.writeAttribute(QStringLiteral("duration"), number(slide.duration));
    if (slide.type == ImageSlideType) {
        xml.writeAttribute(QStringLiteral("rotation"), QString::number(slide.rotation));
        xml.writeAttribute(QStringLiteral("path"), slide.content);
    } else {
        xml.writeAttribute(QStringLiteral("text"), slide.content);
    }
    xml.writeEndElement();
}

void readStyleAttributes(const QXmlStreamAttributes &attrs, StyleSettings &style)
{
    const StyleSettings fresh;
    style.borderSize = intAttribute(attrs, QStringLiteral("border-size"), fresh.borderSize);
    style.imgShadowBlur = intAttribute(attrs, QStringLiteral("img-shadow-blur"), fresh.imgShadowBlur);
    style.textShadowBlur = intAttribute(attrs, QStringLiteral("text-shadow-blur"), fresh.textShadowBlur);
    style.themeId = intAttribute(attrs, QStringLiteral("tmpl-id"), fresh.themeId);
    style.bgId = attrs.hasAttribute(QLatin1String("bg-id")) ? attrs.value(QLatin1String("bg-id")).toString()
                                                               : fresh.bgId;
    if (attrs.hasAttribute(QLatin1String("border-color"))) {
        style.borderColor = parseColor(attrs.value(QLatin1String("border-color")).toString());
        style.hasOwnBorderColor = true;
    }
    if (attrs.hasAttribute(QLatin1String("font-color"))) {
        style.fontColor = parseColor(attrs.value(QLatin1String("font-color")).toString());
        style.hasOwnFontColor = true;
    }
    style.fontFamily = attrs.value(QLatin1String("font-family")).toString();
    // The toolkit's fonts take weights 0 to 99 only.
    style.fontWeight = qBound(0, intAttribute(attrs, QStringLiteral("font-weight"), fresh.fontWeight), 99);
}

// Reads what comes before any damage into project; false, with where and why, when the file is
// there but not a whole project file. A file that is not there is no damage: a new project.
bool readProjectInto(const QString &path, Project &project, QString *problem)
{
    QFile file(path);
    if (!QFileInfo::exists(path))
        return true;
    if (!openForReading(file)) {
        *problem = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    bool root = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == rootElement) {
            root = true;
            readProjectAttributes(xml.attributes(), project);
        } else if (xml.name() == QLatin1String("audios")) {
            QList<MediaFileInfoPtr> tracks;
            readChildren(xml, QStringLiteral("audios"), QStringLiteral("audio"),
                         [&tracks, &project](const QXmlStreamAttributes &a) {
                             if (const MediaFileInfoPtr track = readTrack(a, project))
                                 tracks.append(track);
                         });
            project.setAudioTracks(tracks);
        } else if (xml.name() == QLatin1String("slides")) {
            QVector<SlidePtr> slides;
            // The slides before a damage are whole: each was read from a complete element.
            readChildren(xml, QStringLiteral("slides"), QStringLiteral("slide"), [&slides](const QXmlStreamAttributes &a) {
                if (const SlidePtr slide = readSlide(a))
                    slides.append(slide);
            });
            project.setSlides(slides);
            break;
        }
    }
    if (xml.hasError()) {
        *problem = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    if (!root) {
        *problem = QStringLiteral("it is not a project file");
        return false;
    }
    return true;
}

} // namespace

ProjectPtr readProjectFile(const QString &path, QString *damage)
{
    auto project = ProjectPtr::create();
    QString problem;
    const bool read = readProjectInto(path, *project, &problem);
    if (!read)
        qCWarning(lcProject) << "the project file" << path << "is damaged:" << problem;
    if (damage)
        *damage = problem;
    return project;
}

bool projectFileLooksWhole(const QString &path)
{
    QFile file(path);
    if (!openForReading(file) || file.size() == 0)
        return false;
    constexpr qint64 tail = 64;
    file.seek(qMax<qint64>(0, file.size() - tail));
    return file.read(tail).trimmed().endsWith("</project>");
}

QString keepDamagedCopy(const QString &path, QString *error)
{
    QFile damaged(path);
    if (!damaged.open(QIODevice::ReadOnly)) {
        if (error)
            *error = damaged.errorString();
        return {};
    }
    const QByteArray bytes = damaged.readAll();
    for (int n = 1; n < 100; ++n) {
        const QString copy = path + QStringLiteral(".damaged") + (n > 1 ? QStringLiteral(".%1").arg(n) : QString());
        QFile existing(copy);
        if (existing.exists()) {
            if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
                return copy;
            continue;
        }
        QString reason;
        if (writeFileAtomically(copy, [&bytes](QIODevice &out) { return out.write(bytes) == bytes.size(); }, &reason))
            return copy;
        if (error)
            *error = reason;
        return {};
    }
    if (error)
        *error = QStringLiteral("too many damaged copies");
    return {};
}

bool writeProjectFile(const QString &path, const ProjectPtr &project, QString *error)
{
    return writeXml(
        path,
        [&project](QXmlStreamWriter &xml) {
            xml.writeStartElement(rootElement);
            if (project->isDurationFixed)
                xml.writeAttribute(QStringLiteral("slide-duration-fixed"), QStringLiteral("1"));
            if (project->beatSync)
                xml.writeAttribute(QStringLiteral("slides-on-beat"), QStringLiteral("1"));
            xml.writeAttribute(QStringLiteral("slide-duration"), number(project->slideDuration));
            xml.writeAttribute(QStringLiteral("quality"), QString::number(project->output.quality));
            xml.writeAttribute(QStringLiteral("save-dir"), project->output.saveDir);
            xml.writeStartElement(QStringLiteral("audios"));
            for (const MediaFileInfoPtr &track : std::as_const(project->audioTracks)) {
                xml.writeStartElement(QStringLiteral("audio"));
                xml.writeAttribute(QStringLiteral("path"), track->path());
                writeBeats(xml, track->beatGrid());
                xml.writeEndElement();
            }
            xml.writeEndElement();
            xml.writeStartElement(QStringLiteral("slides"));
            for (const SlidePtr &slide : std::as_const(project->slides))
                writeSlide(xml, *slide);
            xml.writeEndElement();
            xml.writeEndElement();
        },
        error);
}

StyleSettingsPtr readStyleFile(const QString &path)
{
    auto style = StyleSettingsPtr::create();
    QFile file(path);
    if (!openForReading(file))
        return style;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == rootElement)
            readStyleAttributes(xml.attributes(), *style);
    }
    return style;
}

bool writeStyleFile(const QString &path, const StyleSettingsPtr &style, QString *error)
{
    return writeXml(
        path,
        [&style](QXmlStreamWriter &xml) {
            xml.writeStartElement(rootElement);
            xml.writeAttribute(QStringLiteral("border-size"), QString::number(style->borderSize));
            xml.writeAttribute(QStringLiteral("img-shadow-blur"), QString::number(style->imgShadowBlur));
            xml.writeAttribute(QStringLiteral("text-shadow-blur"), QString::number(style->textShadowBlur));
            xml.writeAttribute(QStringLiteral("tmpl-id"), QString::number(style->themeId));
            xml.writeAttribute(QStringLiteral("bg-id"), style->bgId);
            if (style->hasOwnBorderColor)
                xml.writeAttribute(QStringLiteral("border-color"), colorText(style->borderColor));
            if (style->hasOwnFontColor)
                xml.writeAttribute(QStringLiteral("font-color"), colorText(style->fontColor));
            xml.writeAttribute(QStringLiteral("font-family"), style->fontFamily);
            xml.writeAttribute(QStringLiteral("font-weight"), QString::number(style->fontWeight));
            xml.writeEndElement();
        },
        error);
}

ProjectInfo readProjectInfo(const QString &path)
{
    ProjectInfo info;
    QFile file(path);
    if (!openForReading(file))
        return info;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            info.name = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.name() == QLatin1String("audio")) {
            info.audio = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.name() == QLatin1String("slidesnumber")) {
            bool ok = false;
            const int count = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toInt(&ok);
            info.slidesCount = ok ? qMax(0, count) : 0;
        }
    }
    return info;
}

ProjectInfo projectInfoOf(const Project &project, const QDateTime &time)
{
    ProjectInfo info;
    info.name = QLocale::system().toString(time, QStringLiteral("dd MMM yyyy - hh:mm"));
    if (!project.audioTracks.isEmpty())
        info.audio = project.audioTracks.first()->path();
    info.slidesCount = project.slides.size();
    return info;
}

bool writeProjectInfo(const QString &path, const ProjectInfo &info, QString *error)
{
    return writeXml(
        path,
        [&info](QXmlStreamWriter &xml) {
            xml.writeStartElement(rootElement);
            xml.writeTextElement(QStringLiteral("name"), info.name);
            xml.writeTextElement(QStringLiteral("audio"), info.audio);
            xml.writeTextElement(QStringLiteral("slidesnumber"), QString::number(info.slidesCount));
            xml.writeEndElement();
        },
        error);
}
