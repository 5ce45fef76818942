#pragma once

#include "app/Singleton.h"
#include "theme/StyleSettings.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// The style screen's two previews (a photo slide and a text slide placed in the chosen theme
// over the chosen background) and the theme screen's looping preview, published as ids of the
// in-memory image provider. Each new preview replaces the previous one there.
class ThumbsPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString imgStyleThumb READ imgStyleThumb WRITE setImgStyleThumb NOTIFY imgStyleThumbChanged)
    Q_PROPERTY(QString textStyleThumb READ textStyleThumb WRITE setTextStyleThumb NOTIFY textStyleThumbChanged)

public:
    static ThumbsPres *instance() { return Singleton<ThumbsPres>::instance(); }

    QString imgStyleThumb() const { return m_imgStyleThumb; }
    void setImgStyleThumb(const QString &id);
    QString textStyleThumb() const { return m_textStyleThumb; }
    void setTextStyleThumb(const QString &id);

    Q_INVOKABLE void genImgStyleThumb();
    Q_INVOKABLE void genTextStyleThumb();
    // A few seconds of the theme's photo scenes at a small size, from the project's first
    // photos or sample pictures; the ids stay registered until releaseThemePreview().
    Q_INVOKABLE QStringList themePreviewFrames(int themeId);
    Q_INVOKABLE void releaseThemePreview();

    // Where the current style comes from (the style settings presenter, set at start-up);
    // without one a new style record is used.
    void setStyleSource(std::function<StyleSettingsPtr()> source) { m_styleSource = std::move(source); }

Q_SIGNALS:
    void imgStyleThumbChanged();
    void textStyleThumbChanged();

private:
    friend class Singleton<ThumbsPres>;
    ThumbsPres() = default;
    ~ThumbsPres() override;

    StyleSettingsPtr style() const;
    // The chosen background covering width x height.
    QImage canvas(int width, int height) const;
    // Registers the image and drops the one it replaces.
    static QString publish(const QImage &image, const QString &previous);

    QString m_imgStyleThumb;
    QString m_textStyleThumb;
    QStringList m_themeFrames;
    std::function<StyleSettingsPtr()> m_styleSource;
};
