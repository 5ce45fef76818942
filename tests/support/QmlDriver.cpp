#include "support/QmlDriver.h"
#include "app/QmlScreens.h"
#include "app/PresenterRegistry.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

bool QmlDriver::load()
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QmlScreens::setStyle();
    QSettings().setValue(QStringLiteral("dontShowTipsSetting"), true);
    QObject::connect(&m_engine, &QQmlApplicationEngine::warnings, [this](const QList<QQmlError> &list) {
        for (const QQmlError &e : list)
            m_warnings << e.toString();
    });
    m_engine.rootContext()->setContextProperty(QStringLiteral("applicationDirPath"), QCoreApplication::applicationDirPath());
    PresenterRegistry::registerImageProviders(m_engine);
    PresenterRegistry::publishPresenters(m_engine);
    m_engine.load(QmlScreens::mainUrl());
    if (m_engine.rootObjects().isEmpty())
        return false;
    m_window = qobject_cast<QQuickWindow *>(m_engine.rootObjects().first());
    if (!m_window)
        return false;
    m_window->resize(1300, 900);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window))
        return false;
    return waitForScreen(QStringLiteral("mainScreen"), 10000);
}

QObject *QmlDriver::object(const QString &name) const
{
    return m_window ? m_window->findChild<QObject *>(name) : nullptr;
}

QQuickItem *QmlDriver::item(const QString &name) const
{
    return qobject_cast<QQuickItem *>(object(name));
}

// Views create their delegates without a QObject parent: walk the item tree instead.
static QQuickItem *findShown(QQuickItem *root, const QString &name)
{
    if (!root->isVisible() || root->opacity() <= 0.0)
        return nullptr;
    if (root->objectName() == name)
        return root;
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = findShown(child, name))
            return found;
    }
    return nullptr;
}

QQuickItem *QmlDriver::visibleItem(const QString &name) const
{
    return m_window ? findShown(m_window->contentItem(), name) : nullptr;
}

bool QmlDriver::click(const QString &name)
{
    QQuickItem *target = nullptr;
    // Generous: with other tests running beside, a screen can take seconds to build its items.
    if (!QTest::qWaitFor([&]() { return (target = visibleItem(name)) && target->isEnabled(); }, 15000))
        return false;
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

void QmlDriver::key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_window, Qt::Key(key), modifiers);
}

void QmlDriver::type(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(m_window, c.toLatin1());
}

QString QmlDriver::currentScreen() const
{
    QObject *stack = object(QStringLiteral("stack"));
    if (!stack || stack->property("busy").toBool())
        return QString();
    auto *current = stack->property("currentItem").value<QQuickItem *>();
    return current ? current->objectName() : QString();
}

bool QmlDriver::waitForScreen(const QString &name, int timeoutMs) const
{
    return QTest::qWaitFor([&]() { return currentScreen() == name; }, timeoutMs);
}
