#include "project/StyleSettingsPres.h"
#include "app/AppConstants.h"

#include "backgrounds/BackgroundCatalogue.h"
#include "project/IProjectSource.h"
#include "project/NullProjectStore.h"
#include "theme/SceneStyle.h"
#include "theme/SceneStyleLevels.h"
#include "theme/ThemeCatalogue.h"

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

void StyleSettingsPres::setBorderSize(int level)
{
    storeAndApply(style->borderSize, level, &StyleSettingsPres::borderSizeChanged);
}

void StyleSettingsPres::setImgShadowBlur(int level)
{
    storeAndApply(style->imgShadowBlur, level, &StyleSettingsPres::imgShadowBlurChanged);
}

void StyleSettingsPres::setTextShadowBlur(int level)
{
    storeAndApply(style->textShadowBlur, level, &StyleSettingsPres::textShadowBlurChanged);
}

void StyleSettingsPres::setThemeId(int id)
{
    storeAndApply(style->themeId, id, &StyleSettingsPres::themeIdChanged);
}

void StyleSettingsPres::backgroundRemoved(const QString &id)
{
    // A removed background cannot be rendered: the default takes its place, in view.
    if (style->bgId == id)
        setBgId(AppConstants::defaultBackgroundId);
}

void StyleSettingsPres::setBgId(const QString &id)
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
    const bool edited = !style->hasOwnBorderColor || style->borderColor != color;
    style->hasOwnBorderColor = true;
    style->borderColor = color;
    applyStyle();
    Q_EMIT borderColorChanged();
    editedIf(edited);
}

QColor StyleSettingsPres::fontColor() const
{
    return SceneStyle::instance()->textColor();
}

void StyleSettingsPres::useThemeBorderColor()
{
    const bool edited = style->hasOwnBorderColor;
    style->hasOwnBorderColor = false;
    applyStyle();
    Q_EMIT borderColorChanged();
    editedIf(edited);
}

void StyleSettingsPres::useBackgroundFontColor()
{
    const bool edited = style->hasOwnFontColor;
    style->hasOwnFontColor = false;
    applyStyle();
    Q_EMIT fontColorChanged();
    editedIf(edited);
}

void StyleSettingsPres::setFontColor(const QColor &color)
{
    const bool edited = !style->hasOwnFontColor || style->fontColor != color;
    style->hasOwnFontColor = true;
    style->fontColor = color;
    applyStyle();
    Q_EMIT fontColorChanged();
    editedIf(edited);
}

QString StyleSettingsPres::fontFamily() const
{
    return SceneStyle::instance()->textFont().family();
}

void StyleSettingsPres::setFontFamily(const QString &family)
{
    const bool edited = style->fontFamily != family;
    style->fontFamily = family;
    applyStyle();
    Q_EMIT fontFamilyChanged();
    editedIf(edited);
}

void StyleSettingsPres::setFontWeight(int weight)
{
    const bool edited = style->fontWeight != weight;
    style->fontWeight = weight;
    applyStyle();
    Q_EMIT fontWeightChanged();
    editedIf(edited);
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
