#pragma once

#include "app/Singleton.h"
#include "theme/SceneStyleSnapshot.h"
#include "theme/ThemeTemplate.h"

#include <QColor>
#include <QFont>
#include <QMutex>
#include <QMutexLocker>

// The effective look of rendered slides: the style settings write it on the interface thread,
// the sprites read it while they are prepared (render thread or style previews).
class SceneStyle
{
public:
    static SceneStyle *instance() { return Singleton<SceneStyle>::instance(); }

    float borderWidth() const;
    void setBorderWidth(float width);
    QColor borderColor() const;
    void setBorderColor(const QColor &color);
    ShadowSpec photoShadow() const;
    void setPhotoShadow(const ShadowSpec &shadow);
    ShadowSpec textShadow() const;
    void setTextShadow(const ShadowSpec &shadow);
    QFont textFont() const;
    void setTextFont(const QFont &font);
    QColor textColor() const;
    void setTextColor(const QColor &color);

    // Every value at once, read under one lock: what a run keeps for its whole length.
    SceneStyleSnapshot snapshot() const;

    // Back to the initial values: a new template's defaults, a plain font in white.
    void reset();

private:
    friend class Singleton<SceneStyle>;
    SceneStyle();

    // Every value is read and written under the lock, as whole copies.
    template <typename T>
    T locked(const T &field) const
    {
        QMutexLocker locker(&m_lock);
        return field;
    }
    template <typename T>
    void store(T &field, const T &value)
    {
        QMutexLocker locker(&m_lock);
        field = value;
    }

    mutable QMutex m_lock;
    float m_borderWidth = 0.0f;
    QColor m_borderColor;
    ShadowSpec m_photoShadow;
    ShadowSpec m_textShadow;
    QFont m_textFont;
    QColor m_textColor;
};
