#include "backgrounds/BackgroundFiles.h"

#include "app/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace BackgroundFiles {

namespace {

const QString defaultFontAttribute = QStringLiteral("Arial,Sans-Serif,84,#000000");
constexpr int defaultPointSize = 84;
// Backgrounds are mostly dark, and text on them carries a shadow.
const QColor unreadableTextColor(255, 255, 255);

// Three comma-separated channels; a missing or unreadable one takes fallback, all clamp to 0-255.
QColor parseChannels(const QString &text, int fallback)
{
    const QStringList fields = text.split(QLatin1Char(','));
    int channels[3] = {fallback, fallback, fallback};
    for (int i = 0; i < 3 && i < fields.size(); ++i) {
        bool ok = false;
        const int value = fields.at(i).trimmed().toInt(&ok);
        if (ok)
            channels[i] = qBound(0, value, 255);
    }
    return QColor(channels[0], channels[1], channels[2]);
}

QString channelText(const QColor &color)
{
    return QStringLiteral("%1,%2,%3").arg(color.red()).arg(color.green()).arg(color.blue());
}

// Calls visit for every start element named name, until the end or the first error.
template <typename Visit>
void forEachElement(const QString &path, const QString &name, Visit visit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == name)
            visit(xml.attributes());
    }
    if (xml.hasError())
        qCWarning(lcBackgrounds) << "Damaged file" << path << xml.errorString();
}

// The element's "font" attribute, the default one when absent.
TextStyle styleOf(const QXmlStreamAttributes &attributes)
{
    const QString font = QStringLiteral("font");
    return parseFontAttribute(attributes.hasAttribute(font) ? attributes.value(font).toString() : defaultFontAttribute);
}

} // namespace

TextStyle parseFontAttribute(const QString &attribute)
{
    const QStringList defaults = defaultFontAttribute.split(QLatin1Char(','));
    QStringList fields = attribute.split(QLatin1Char(','));
    for (int i = fields.size(); i < defaults.size(); ++i)
        fields.append(defaults.at(i));
    const QString family = fields.at(0).trimmed().isEmpty() ? defaults.at(0) : fields.at(0).trimmed();
    QFont font(family);
    font.setItalic(false);
    font.setStyleHint(fields.at(1).contains(QStringLiteral("SansSerif")) ? QFont::SansSerif : QFont::Serif,
                      QFont::PreferAntialias);
    bool ok = false;
    const int size = fields.at(2).trimmed().toInt(&ok);
    font.setPointSize(ok && size > 0 && size <= 1000 ? size : defaultPointSize);
    QColor color(fields.at(3).trimmed());
    if (!color.isValid())
        color = unreadableTextColor;
    return qMakePair(font, color);
}

FolderInfo readBackgroundInfo(const QString &path)
{
    FolderInfo info;
    bool found = false;
    forEachElement(path, QStringLiteral("media"), [&](const QXmlStreamAttributes &attributes) {
        found = true;
        info.style = styleOf(attributes);
        info.name = attributes.value(QStringLiteral("name")).toString();
    });
    if (!found)
        info.style = qMakePair(parseFontAttribute(defaultFontAttribute).first, unreadableTextColor);
    return info;
}

QList<BackgroundDescriptor> readColorBackgrounds(const QString &path)
{
    QList<BackgroundDescriptor> colors;
    forEachElement(path, QStringLiteral("color"), [&](const QXmlStreamAttributes &attributes) {
        const TextStyle style = styleOf(attributes);
        BackgroundDescriptor d =
            BackgroundDescriptor::ofColor(parseChannels(attributes.value(QStringLiteral("bg-color")).toString(), 0));
        d.font = style.first;
        d.fontColor = style.second;
        const QString name = attributes.value(QStringLiteral("name")).toString();
        if (!name.isEmpty())
            d.name = name;
        colors.append(d);
    });
    return colors;
}

QMap<QString, BackgroundDescriptor> readCustomBackgrounds(const QString &path)
{
    QMap<QString, BackgroundDescriptor> custom;
    forEachElement(path, QStringLiteral("background"), [&](const QXmlStreamAttributes &attributes) {
        // Each entry's own picture: one without a path is no background, not the one before it.
        const QString picture = attributes.value(QStringLiteral("bg-path")).toString();
        QString id = attributes.value(QStringLiteral("id")).toString();
        if (id.isEmpty())
            id = QUuid::createUuid().toString();
        if (picture.isEmpty() || !QFileInfo(picture).isFile())
            return;
        BackgroundDescriptor d;
        d.path = picture;
        d.font = QFont(QStringLiteral("Arial,84"));
        d.fontColor = parseChannels(attributes.value(QStringLiteral("font-color")).toString(), 255);
        d.name = QFileInfo(picture).fileName();
        custom.insert(id, d);
    });
    return custom;
}

bool writeCustomBackgrounds(const QString &path, const QMap<QString, BackgroundDescriptor> &custom)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcBackgrounds) << "Cannot write" << path << file.errorString();
        return false;
    }
    QXmlStreamWriter xml(&file);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("backgrounds"));
    for (auto it = custom.cbegin(); it != custom.cend(); ++it) {
        xml.writeEmptyElement(QStringLiteral("background"));
        xml.writeAttribute(QStringLiteral("bg-path"), it->path);
        xml.writeAttribute(QStringLiteral("font-color"), channelText(it->fontColor));
        xml.writeAttribute(QStringLiteral("id"), it.key());
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError() || !file.commit()) {
        qCWarning(lcBackgrounds) << "Cannot write" << path << file.errorString();
        return false;
    }
    return true;
}

} // namespace BackgroundFiles
