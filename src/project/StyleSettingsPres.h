#pragma once

#include "app/Singleton.h"
#include "project/IProjectStyle.h"
#include "project/IStyleChoices.h"
#include "theme/StyleSettings.h"

#include <QColor>
#include <QObject>
#include <QString>

class EditHistory;
class IProjectSource;
class IProjectStore;

// The look of the video as the style screens choose it (QML "styleSettings"): theme, background,
// border, shadows, font and text colour. Keeps the style record saved with the project and
// turns it, with the theme's and the background's defaults, into the SceneStyle renders use.
// Every choice is a step of the edit history.
class StyleSettingsPres : public QObject, public IStyleChoices, public IProjectStyle
{
    Q_OBJECT
    Q_PROPERTY(int borderSize READ borderSize WRITE setBorderSize NOTIFY borderSizeChanged)
    Q_PROPERTY(int imgShadowBlur READ imgShadowBlur WRITE setImgShadowBlur NOTIFY imgShadowBlurChanged)
    Q_PROPERTY(int textShadowBlur READ textShadowBlur WRITE setTextShadowBlur NOTIFY textShadowBlurChanged)
    // The three below read what will be rendered: the user's choice, else the theme's or the background's.
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor NOTIFY borderColorChanged)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor NOTIFY fontColorChanged)
    // Whether the user chose the colour; otherwise the theme's border and the background's text
    // colour are drawn.
    Q_PROPERTY(bool hasOwnBorderColor READ hasOwnBorderColor NOTIFY borderColorChanged)
    Q_PROPERTY(bool hasOwnFontColor READ hasOwnFontColor NOTIFY fontColorChanged)
    Q_PROPERTY(int themeId READ themeId WRITE setThemeId NOTIFY themeIdChanged)
    Q_PROPERTY(QString bgId READ bgId WRITE setBgId NOTIFY bgIdChanged)
    Q_PROPERTY(QString fontFamily READ fontFamily WRITE setFontFamily NOTIFY fontFamilyChanged)
    Q_PROPERTY(int fontWeight READ fontWeight WRITE setFontWeight NOTIFY fontWeightChanged)

public:
    static StyleSettingsPres *instance() { return Singleton<StyleSettingsPres>::instance(); }

    int borderSize() const { return style->borderSize; }
    void setBorderSize(int level);
    int imgShadowBlur() const { return style->imgShadowBlur; }
    void setImgShadowBlur(int level);
    int textShadowBlur() const { return style->textShadowBlur; }
    void setTextShadowBlur(int level);
    QColor borderColor() const;
    void setBorderColor(const QColor &color);
    QColor fontColor() const;
    void setFontColor(const QColor &color);
    int themeId() const override { return style->themeId; }
    void setThemeId(int id);
    QString bgId() const override { return style->bgId; }
    void setBgId(const QString &id);
    QString fontFamily() const;
    void setFontFamily(const QString &family);
    int fontWeight() const { return style->fontWeight; }
    void setFontWeight(int weight);

    // Where styles are saved and read back; without one, nothing is kept and loads give the default.
    void setProjectStore(IProjectStore *store);
    // The open project, whose folder save() writes into.
    void setProjectSource(const IProjectSource *project) { m_project = project; }
    // Where the choices are recorded for undo; without one they are made without a history.
    void setHistory(EditHistory *history) { m_history = history; }

    // The current record, shared; its content changes with every write.
    StyleSettingsPtr styleSettings() const { return style; }
    // Takes over s; own colours that s lacks keep the current ones.
    void setFrom(const StyleSettings &s) override;
    // An id the background catalogue no longer holds becomes the default background.
    void checkBackground();
    // Fills SceneStyle from the record, the theme of themeId and the background of bgId.
    void applyStyle() override;

    // The style of the saved project at that row of the saved-projects list.
    Q_INVOKABLE void load(int index);
    Q_INVOKABLE void themeSelected();
    Q_INVOKABLE void bgSelected();
    // Into the open project's folder; nothing before the project was first saved.
    Q_INVOKABLE void save() override;
    // The background of that id is gone (a user's own picture removed from the list).
    Q_INVOKABLE void backgroundRemoved(const QString &id);
    bool hasOwnBorderColor() const { return style->hasOwnBorderColor; }
    bool hasOwnFontColor() const { return style->hasOwnFontColor; }
    // Back to the theme's border colour and the background's text colour.
    Q_INVOKABLE void useThemeBorderColor();
    Q_INVOKABLE void useBackgroundFontColor();
    Q_INVOKABLE void reset() override;

Q_SIGNALS:
    void borderSizeChanged();
    void imgShadowBlurChanged();
    void textShadowBlurChanged();
    void borderColorChanged();
    void fontColorChanged();
    void themeIdChanged();
    void bgIdChanged();
    void fontFamilyChanged();
    void fontWeightChanged();
    // The user changed the style (a write that changed a value); loads and resets are not edits.
    void styleEdited();

private:
    friend class Singleton<StyleSettingsPres>;
    StyleSettingsPres();

    // Stores a level or id, announces it, then restyles.
    void storeAndApply(int &field, int value, void (StyleSettingsPres::*changed)());
    void editedIf(bool changed);
    // Makes the change and, when it changed the record, records it as a step named text.
    template <typename Change>
    void recordEdit(const QString &text, Change change, int mergeKind = -1);
    // Puts a recorded state back, as an edit.
    void restore(const StyleSettings &record);
    void putBackground(const QString &id);
    static QString themeName(int id);

    StyleSettingsPtr style;
    IProjectStore *m_store;
    const IProjectSource *m_project = nullptr;
    EditHistory *m_history = nullptr;
};
