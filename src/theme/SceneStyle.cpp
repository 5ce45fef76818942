#include "theme/SceneStyle.h"

#include <QMutexLocker>

SceneStyle::SceneStyle()
{
    reset();
}

void SceneStyle::reset()
{
    const ThemeTemplate defaults;
    QFont font(QStringLiteral("Sans Serif"));
    font.setWeight(QFont::Normal);
    QMutexLocker locker(&m_lock);
    m_borderWidth = defaults.borderWidth;
    m_borderColor = defaults.borderColor;
    m_photoShadow = defaults.shadow;
    m_textShadow = defaults.textShadow;
    m_textFont = font;
    m_textColor = QColor(255, 255, 255);
}

SceneStyleSnapshot SceneStyle::snapshot() const
{
    QMutexLocker locker(&m_lock);
    return {m_borderWidth, m_borderColor, m_photoShadow, m_textShadow, m_textFont, m_textColor};
}

float SceneStyle::borderWidth() const
{
    return locked(m_borderWidth);
}

void SceneStyle::setBorderWidth(float width)
{
    store(m_borderWidth, width);
}

QColor SceneStyle::borderColor() const
{
    return locked(m_borderColor);
}

void SceneStyle::setBorderColor(const QColor &color)
{
    store(m_borderColor, color);
}

ShadowSpec SceneStyle::photoShadow() const
{
    return locked(m_photoShadow);
}

void SceneStyle::setPhotoShadow(const ShadowSpec &shadow)
{
    store(m_photoShadow, shadow);
}

ShadowSpec SceneStyle::textShadow() const
{
    return locked(m_textShadow);
}

void SceneStyle::setTextShadow(const ShadowSpec &shadow)
{
    store(m_textShadow, shadow);
}

QFont SceneStyle::textFont() const
{
    return locked(m_textFont);
}

void SceneStyle::setTextFont(const QFont &font)
{
    store(m_textFont, font);
}

QColor SceneStyle::textColor() const
{
    return locked(m_textColor);
}

void SceneStyle::setTextColor(const QColor &color)
{
    store(m_textColor, color);
}
