#include "theme/ThemeReader.h"
#include "app/Logging.h"

#include <QFile>
#include <QStringList>
#include <QVector>
#include <QXmlStreamReader>

namespace {

const QString templateTag = QStringLiteral("template");
const QString sceneTag = QStringLiteral("scene");
const QString objectTag = QStringLiteral("object");
const QString transformTag = QStringLiteral("transform");
const QString frameTag = QStringLiteral("frame");
constexpr int cornerValues = 8;

// QString's number conversions use the C locale and give 0 for anything unparsable.
double toDouble(const QStringView &text)
{
    return text.trimmed().toDouble();
}

int toInt(const QStringView &text)
{
    return text.trimmed().toInt();
}

int colorComponent(const QStringList &parts, int index, int missing)
{
    if (index >= parts.size())
        return missing;
    return qBound(0, parts.at(index).trimmed().toInt(), 255);
}

QVector<double> toDoubles(const QString &text)
{
    QVector<double> values;
    const QStringList parts = text.split(QLatin1Char(','));
    values.reserve(parts.size());
    for (const QString &part : parts)
        values.append(part.trimmed().toDouble());
    return values;
}

bool isStart(const QXmlStreamReader &xml, const QString &name)
{
    return xml.isStartElement() && xml.name() == name;
}

bool isEnd(const QXmlStreamReader &xml, const QString &name)
{
    return xml.isEndElement() && xml.name() == name;
}

// Stops the inner loops at the end of the document or at the first parse error.
bool exhausted(const QXmlStreamReader &xml)
{
    return xml.atEnd() || xml.hasError();
}

void readTemplateAttributes(const QXmlStreamAttributes &attrs, ThemeTemplate &tpl)
{
    if (attrs.hasAttribute(QLatin1String("fade-in")))
        tpl.fadeIn = toInt(attrs.value(QLatin1String("fade-in")));
    if (attrs.hasAttribute(QLatin1String("fade-out")))
        tpl.fadeOut = toInt(attrs.value(QLatin1String("fade-out")));
    if (attrs.hasAttribute(QLatin1String("scene-overflow")))
        tpl.sceneOverflow = toInt(attrs.value(QLatin1String("scene-overflow")));
    if (attrs.hasAttribute(QLatin1String("shadow")))
        tpl.shadow = parseShadow(attrs.value(QLatin1String("shadow")).toString());
    tpl.textShadow = attrs.hasAttribute(QLatin1String("text-shadow"))
        ? parseShadow(attrs.value(QLatin1String("text-shadow")).toString())
        : tpl.shadow;
    if (attrs.hasAttribute(QLatin1String("border-width")))
        tpl.borderWidth = float(toDouble(attrs.value(QLatin1String("border-width"))));
    if (attrs.hasAttribute(QLatin1String("border-color")))
        tpl.borderColor = parseColor(attrs.value(QLatin1String("border-color")).toString());
}

// The reader stands on a "frame" start element; false when its text is malformed.
bool readKeyframe(QXmlStreamReader &xml, int &id, Keyframe &key)
{
    const QXmlStreamAttributes attrs = xml.attributes();
    id = toInt(attrs.value(QLatin1String("id")));
    key.opacity = attrs.hasAttribute(QLatin1String("opacity"))
        ? float(toDouble(attrs.value(QLatin1String("opacity"))) / 100.0)
        : 1.0f;
    const QVector<double> v = toDoubles(xml.readElementText());
    if (xml.hasError() || v.size() < cornerValues)
        return false;
    key.topLeft = QPointF(v[0], v[1]);
    key.topRight = QPointF(v[2], v[3]);
    key.bottomLeft = QPointF(v[4], v[5]);
    key.bottomRight = QPointF(v[6], v[7]);
    return true;
}

// The reader stands on an "object" start element. Stops at the closing "transform", or at
// the closing "object" when there is no transform.
SceneObjectPtr readObject(QXmlStreamReader &xml)
{
    auto object = SceneObjectPtr::create();
    const QXmlStreamAttributes attrs = xml.attributes();
    if (attrs.hasAttribute(QLatin1String("aspect")))
        object->aspect = float(toDouble(attrs.value(QLatin1String("aspect"))));
    if (attrs.hasAttribute(QLatin1String("max-size"))) {
        const QVector<double> size = toDoubles(attrs.value(QLatin1String("max-size")).toString());
        if (size.size() >= 2) {
            object->maxWidth = float(size[0]);
            object->maxHeight = float(size[1]);
        }
    }
    while (!exhausted(xml)) {
        xml.readNext();
        if (isEnd(xml, transformTag) || isEnd(xml, objectTag))
            break;
        if (!isStart(xml, frameTag))
            continue;
        int id = 0;
        Keyframe key;
        if (readKeyframe(xml, id, key))
            object->keyframes.insert(id, key);
    }
    return object;
}

// The reader stands on a "scene" start element. A scene cut short by the end of the document
// or by a parse error is dropped: its objects may lack keyframes.
ThemeScenePtr readScene(QXmlStreamReader &xml, int type)
{
    auto scene = ThemeScenePtr::create();
    scene->type = type;
    scene->frames = toInt(xml.attributes().value(QLatin1String("frames")));
    while (!isEnd(xml, sceneTag)) {
        if (exhausted(xml))
            return {};
        xml.readNext();
        if (isStart(xml, objectTag))
            scene->objects.append(readObject(xml));
    }
    return scene;
}

void readSceneInto(QXmlStreamReader &xml, ThemeTemplate &tpl)
{
    const QStringView type = xml.attributes().value(QLatin1String("type"));
    if (type.isNull())
        return;
    const int sceneType = toInt(type);
    if (sceneType != PhotoScene && sceneType != TextScene)
        return;
    const ThemeScenePtr scene = readScene(xml, sceneType);
    if (!scene)
        return;
    (sceneType == PhotoScene ? tpl.photoScenes : tpl.textScenes).append(scene);
}

} // namespace

ThemeTemplatePtr readThemeTemplate(const QString &path)
{
    auto tpl = ThemeTemplatePtr::create();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcTheme) << "Cannot open theme template" << path << file.errorString();
        return tpl;
    }
    QXmlStreamReader xml(&file);
    while (!exhausted(xml)) {
        xml.readNext();
        if (isStart(xml, templateTag))
            readTemplateAttributes(xml.attributes(), *tpl);
        else if (isStart(xml, sceneTag))
            readSceneInto(xml, *tpl);
    }
    if (xml.hasError())
        qCWarning(lcTheme) << "Theme template" << path << "read up to line" << xml.lineNumber() << ":"
                           << xml.errorString();
    return tpl;
}

QPair<QString, QString> readThemeInfo(const QString &path)
{
    QPair<QString, QString> info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcTheme) << "Cannot open theme info" << path << file.errorString();
        return info;
    }
    QXmlStreamReader xml(&file);
    while (!exhausted(xml)) {
        xml.readNext();
        if (isStart(xml, QStringLiteral("name")))
            info.first = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (isStart(xml, QStringLiteral("preview")))
            info.second = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return info;
}

ShadowSpec parseShadow(const QString &text)
{
    ShadowSpec shadow;
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (!parts.isEmpty()) {
        const QVector<double> offsets = toDoubles(parts.at(0));
        shadow.offsetX = float(offsets.value(0));
        shadow.offsetY = float(offsets.value(1));
    }
    if (parts.size() > 1)
        shadow.blur = float(parts.at(1).toDouble());
    if (parts.size() > 2) {
        const QStringList rgba = parts.at(2).split(QLatin1Char(','));
        shadow.color = QColor(colorComponent(rgba, 0, 0), colorComponent(rgba, 1, 0),
                              colorComponent(rgba, 2, 0), colorComponent(rgba, 3, 255));
    }
    return shadow;
}

QColor parseColor(const QString &text)
{
    const QStringList rgb = text.split(QLatin1Char(','));
    return QColor(colorComponent(rgb, 0, 0), colorComponent(rgb, 1, 0), colorComponent(rgb, 2, 0), 255);
}
