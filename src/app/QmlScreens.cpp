#include "app/QmlScreens.h"

#include <QQuickStyle>

namespace QmlScreens {

void setStyle()
{
    QQuickStyle::setStyle(QStringLiteral("BTStyle"));
}

QUrl mainUrl()
{
    return QUrl(QStringLiteral("qrc:/qt-project.org/imports/Pictovia/main.qml"));
}

} // namespace QmlScreens
