#include "project/StyleSettingsPres.h"
#include "app/AppConstants.h"

#include "backgrounds/BackgroundCatalogue.h"
#include "project/EditCommand.h"
#include "project/EditHistory.h"
#include "project/IProjectSource.h"
#include "project/NullProjectStore.h"
#include "theme/SceneStyle.h"
#include "theme/SceneStyleLevels.h"
#include "theme/ThemeCatalogue.h"

#include <QCoreApplication>

StyleSettingsPres::StyleSettingsPres()
    : style(StyleSettingsPtr::create())
    , m_store(NullProjectStore::shared())
{
}

void StyleSettingsPres::setProjectStore(IProjectStore *store)
{
    m_store = store ? store : NullProjectStore::shared();
}

void StyleSettingsPres::storeAndApply(int &field, int value, void (StyleSettingsPres::*changed)())
{
    const bool edited = field != value;
    field = value;
    Q_EMIT(this->*changed)();
    applyStyle();
    editedIf(edited);
}

void StyleSettingsPres::editedIf(bool changed)
{
    if (changed)
        Q_EMIT styleEdited();
}

template <typename Change>
void StyleSettingsPres::recordEdit(const QString &text, Change change, int mergeKind)
{
    const StyleSettings before = *style;
    change();
    const StyleSettings after = *style;
    if (after == before)
        return;
    auto *step = new EditCommand(text, [this, after] { restore(after); }, [this, before] { restore(before); }, mergeKind);
    step->markDone();
    EditHistory::perform(m_history, step);
}

void StyleSettingsPres::restore(const StyleSettings &record)
{
    setFrom(record);
    Q_EMIT styleEdited();
}

// The names the theme screen shows, in its own translations.
QString StyleSettingsPres::themeName(int id)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("ThemeScreen", "Smooth"),       QT_TRANSLATE_NOOP("ThemeScreen", "Carousel"),
        QT_TRANSLATE_NOOP("ThemeScreen", "Flying"),       QT_TRANSLATE_NOOP("ThemeScreen", "Flow"),
        QT_TRANSLATE_NOOP("ThemeScreen", "Fade in Fade out"), QT_TRANSLATE_NOOP("ThemeScreen", "Roller"),
        QT_TRANSLATE_NOOP("ThemeScreen", "Pan and Zoom"), QT_TRANSLATE_NOOP("ThemeScreen", "Parallax"),
    };
    const int count = int(sizeof names / sizeof names[0]);
    return id >= 1 && id <= count ? QCoreApplication::translate("ThemeScreen", names[id - 1]) : QString::number(id);
}

void StyleSettingsPres::setBorderSize(int level)
{
    recordEdit(tr("Change border size"),
               [&] { storeAndApply(style->borderSize, level, &StyleSettingsPres::borderSizeChanged); },
               EditCommand::BorderSizeMerge);
}

void StyleSettingsPres::setImgShadowBlur(int level)
{
    recordEdit(tr("Change shadow blur"),
               [&] { storeAndApply(style->imgShadowBlur, level, &StyleSettingsPres::imgShadowBlurChanged); },
               EditCommand::PhotoShadowMerge);
}

void StyleSettingsPres::setTextShadowBlur(int level)
{
    recordEdit(tr("Change text shadow blur"),
               [&] { storeAndApply(style->textShadowBlur, level, &StyleSettingsPres::textShadowBlurChanged); },
               EditCommand::TextShadowMerge);
}

void StyleSettingsPres::setThemeId(int id)
{
    recordEdit(tr("Change theme to %1").arg(themeName(id)),
               [&] { storeAndApply(style->themeId, id, &StyleSettingsPres::themeIdChanged); });
}

void StyleSettingsPres::backgroundRemoved(const QString &id)
{
    // A removed background cannot be rendered: the default takes its place, in view. Not a
    // step: the picture is gone from the list, so undo could not bring it back.
    if (style->bgId == id)
        putBackground(AppConstants::defaultBackgroundId);
}

void StyleSettingsPres::setBgId(const QString &id)
{
    recordEdit(tr("Change background"), [&] { putBackground(id); });
}

void StyleSettingsPres::putBackground(const QString &id)
{
    const bool edited = style->bgId != id;
    style->bgId = id;
    Q_EMIT bgIdChanged();
    applyStyle();
    editedIf(edited);
}

QColor StyleSettingsPres::borderColor() const
{
    return SceneStyle::instance()->borderColor();
}

void StyleSettingsPres::setBorderColor(const QColor &color)
{
    recordEdit(tr("Change border color"), [&] {
        const bool edited = !style->hasOwnBorderColor || style->borderColor != color;
        style->hasOwnBorderColor = true;
        style->borderColor = color;
        applyStyle();
        Q_EMIT borderColorChanged();
        editedIf(edited);
    });
}

QColor StyleSettingsPres::fontColor() const
{
    return SceneStyle::instance()->textColor();
}

void StyleSettingsPres::useThemeBorderColor()
{
    recordEdit(tr("Change border color"), [&] {
        const bool edited = style->hasOwnBorderColor;
        style->hasOwnBorderColor = false;
        applyStyle();
        Q_EMIT borderColorChanged();
        editedIf(edited);
    });
}

void StyleSettingsPres::useBackgroundFontColor()
{
    recordEdit(tr("Change text color"), [&] {
        const bool edited = style->hasOwnFontColor;
        style->hasOwnFontColor = false;
        applyStyle();
        Q_EMIT fontColorChanged();
        editedIf(edited);
    });
}

void StyleSettingsPres::setFontColor(const QColor &color)
{
    recordEdit(tr("Change text color"), [&] {
        const bool edited = !style->hasOwnFontColor || style->fontColor != color;
        style->hasOwnFontColor = true;
        style->fontColor = color;
        applyStyle();
        Q_EMIT fontColorChanged();
        editedIf(edited);
    });
}

QString StyleSettingsPres::fontFamily() const
{
    return SceneStyle::instance()->textFont().family();
}

void StyleSettingsPres::setFontFamily(const QString &family)
{
    recordEdit(tr("Change font"), [&] {
        const bool edited = style->fontFamily != family;
        style->fontFamily = family;
        applyStyle();
        Q_EMIT fontFamilyChanged();
        editedIf(edited);
    });
}

void StyleSettingsPres::setFontWeight(int weight)
{
    recordEdit(tr("Change font weight"), [&] {
        const bool edited = style->fontWeight != weight;
        style->fontWeight = weight;
        applyStyle();
        Q_EMIT fontWeightChanged();
        editedIf(edited);
    });
}

void StyleSettingsPres::setFrom(const StyleSettings &s)
{
    style->borderSize = s.borderSize;
    style->imgShadowBlur = s.imgShadowBlur;
    style->textShadowBlur = s.textShadowBlur;
    // All of it: a colour of the project before must not stay with the next one.
    style->hasOwnBorderColor = s.hasOwnBorderColor;
    style->borderColor = s.borderColor;
    style->hasOwnFontColor = s.hasOwnFontColor;
    style->fontColor = s.fontColor;
    style->themeId = s.themeId;
    style->bgId = s.bgId;
    checkBackground();
    style->fontFamily = s.fontFamily;
    style->fontWeight = s.fontWeight;
    applyStyle();
    for (auto changed : {&StyleSettingsPres::borderSizeChanged, &StyleSettingsPres::imgShadowBlurChanged,
                         &StyleSettingsPres::textShadowBlurChanged, &StyleSettingsPres::borderColorChanged,
                         &StyleSettingsPres::fontColorChanged, &StyleSettingsPres::themeIdChanged,
                         &StyleSettingsPres::bgIdChanged, &StyleSettingsPres::fontFamilyChanged,
                         &StyleSettingsPres::fontWeightChanged})
        Q_EMIT(this->*changed)();
}

void StyleSettingsPres::checkBackground()
{
    if (BackgroundCatalogue::instance()->contains(style->bgId))
        return;
    style->bgId = AppConstants::defaultBackgroundId;
    Q_EMIT bgIdChanged();
}

void StyleSettingsPres::applyStyle()
{
    const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(style->themeId);
    const BackgroundDescriptor background = BackgroundCatalogue::instance()->entry(style->bgId);
    SceneStyleLevels::apply(*style, theme ? *theme : ThemeTemplate(), background.font, background.fontColor);
}

void StyleSettingsPres::load(int index)
{
    // A copy: setFrom must not read the record it is writing.
    const StyleSettings saved = *m_store->loadStyle(index);
    setFrom(saved);
}

void StyleSettingsPres::themeSelected()
{
    applyStyle();
    Q_EMIT borderColorChanged();
    Q_EMIT borderSizeChanged();
    Q_EMIT imgShadowBlurChanged();
    Q_EMIT textShadowBlurChanged();
}

void StyleSettingsPres::bgSelected()
{
    applyStyle();
    Q_EMIT fontColorChanged();
    // The effective family follows the background's font too.
    Q_EMIT fontFamilyChanged();
}

void StyleSettingsPres::save()
{
    if (m_project)
        m_store->saveStyle(m_project->project()->id, style);
}

void StyleSettingsPres::reset()
{
    setFrom(StyleSettings());
}
