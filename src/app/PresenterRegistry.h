#pragma once

class QQmlEngine;

// Publishes the process-wide presenters and image providers to QML.
namespace PresenterRegistry {

void registerImageProviders(QQmlEngine &engine);

// Context properties in their fixed order, each object owned by C++, then "debug" as null.
void publishPresenters(QQmlEngine &engine);

} // namespace PresenterRegistry
