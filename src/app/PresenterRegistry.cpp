#include "app/PresenterRegistry.h"
#include "app/AppSettingsPres.h"
#include "app/CommonError.h"
#include "app/FontsPres.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>

namespace PresenterRegistry {

void registerImageProviders(QQmlEngine &engine)
{
    Q_UNUSED(engine)
}

template <typename T>
static void publish(QQmlContext *context, const char *name)
{
    T *object = T::instance();
    context->setContextProperty(QString::fromLatin1(name), object);
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
}

void publishPresenters(QQmlEngine &engine)
{
    QQmlContext *context = engine.rootContext();
    publish<CommonError>(context, "commonError");
    publish<AppSettingsPres>(context, "appSettings");
    publish<FontsPres>(context, "fonts");
    context->setContextProperty(QStringLiteral("debug"), static_cast<QObject *>(nullptr));
}

} // namespace PresenterRegistry
