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

float SceneStyle::borderWidth() const
{
    QMutexLocker locker(&m_lock);
    return m_borderWidth;
}

void SceneStyle::setBorderWidth(float width)
{
    QMutexLocker locker(&m_lock);
    m_borderWidth = width;
}

QColor SceneStyle::borderColor() const
{
    QMutexLocker locker(&m_lock);
    return m_borderColor;
}

void SceneStyle::setBorderColor(const QColor &color)
{
    QMutexLocker locker(&m_lock);
    m_borderColor = color;
}

ShadowSpec SceneStyle::photoShadow() const
{
    QMutexLocker locker(&m_lock);
    return m_photoShadow;
}

void SceneStyle::setPhotoShadow(const ShadowSpec &shadow)
{
    QMutexLocker locker(&m_lock);
    m_photoShadow = shadow;
}

ShadowSpec SceneStyle::textShadow() const
{
    QMutexLocker locker(&m_lock);
    return m_textShadow;
}

void SceneStyle::setTextShadow(const ShadowSpec &shadow)
{
    QMutexLocker locker(&m_lock);
    m_textShadow = shadow;
}

QFont SceneStyle::textFont() const
{
    QMutexLocker locker(&m_lock);
    return m_textFont;
}

void SceneStyle::setTextFont(const QFont &font)
{
    QMutexLocker locker(&m_lock);
    m_textFont = font;
}

QColor SceneStyle::textColor() const
{
    QMutexLocker locker(&m_lock);
    return m_textColor;
}

void SceneStyle::setTextColor(const QColor &color)
{
    QMutexLocker locker(&m_lock);
    m_textColor = color;
}
