#pragma once

#include <QUrl>

// Where the screens are: the control style they are drawn in and the main window's file, both
// compiled-in QML modules ("BTStyle", "Pictovia").
namespace QmlScreens {

// Before the first engine loads anything: the style cannot change once controls were made.
void setStyle();
// The main window, "main.qml" of the screens' module.
QUrl mainUrl();

} // namespace QmlScreens
