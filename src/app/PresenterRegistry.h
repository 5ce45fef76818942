#pragma once

class QQmlEngine;

// Publishes the process-wide presenters and image providers to QML, and wires the presenters
// to each other: no presenter reaches another by itself.
namespace PresenterRegistry {

// Hands each presenter the others it reads (as narrow interfaces) and connects the signals one
// follows of another: all of it, as publishPresenters does first. Each part runs once per
// process; the parts are for tests that use some presenters only (each also wires the project).
void wirePresenters();
// The open project, the slide grid, the video settings, the style and the dialog folders.
void wireProject();
// The autosave over the project, its style and the saved-projects list.
void wireAutosave();
void wireRender();
void wireThumbs();
void wirePreview();

void registerImageProviders(QQmlEngine &engine);

// Context properties in their fixed order, each object owned by C++, then "debug" as null.
void publishPresenters(QQmlEngine &engine);

} // namespace PresenterRegistry
