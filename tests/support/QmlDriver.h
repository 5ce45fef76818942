#pragma once

#include <QPointer>
#include <QQmlApplicationEngine>
#include <QString>

class QQuickItem;
class QQuickWindow;

// Loads the application's real main window (QmlScreens::mainUrl()) with the published presenters and drives it
// the way a user would: items found by object name, clicked with the mouse, keys pressed.
class QmlDriver
{
public:
    // Loads the window and waits until the screens are in; tips are switched off first.
    bool load();
    QQuickWindow *window() const { return m_window; }
    QStringList warnings() const { return m_warnings; }

    QObject *object(const QString &name) const;
    QQuickItem *item(const QString &name) const;
    // The item of that name that is visible on screen; null when none is.
    QQuickItem *visibleItem(const QString &name) const;
    // Clicks the centre of the visible, enabled item; false when there is none.
    bool click(const QString &name);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString &text);
    // The objectName of the screen on top of the navigation stack, once its transition ended.
    QString currentScreen() const;
    bool waitForScreen(const QString &name, int timeoutMs = 20000) const;

private:
    QQmlApplicationEngine m_engine;
    QPointer<QQuickWindow> m_window;
    QStringList m_warnings;
};
