import QtQuick
import QtQuick.Controls
import BTStyle
import "screens"

// The navigation stack: main → theme → background → style → settings → (downloading) →
// rendering → done. Screens slide in the direction of travel.
StackView {
    id: stack
    objectName: "stack"
    focus: true

    function showTheme() { push(themeScreen) }
    function showBackground() { push(backgroundScreen) }
    function showStyle() { push(styleScreen) }
    function showSettings() { push(settingsScreen) }
    function showDownloading() { push(downloadingScreen) }
    function showRendering() { push(renderingScreen) }
    function showDone() { push(doneScreen) }
    function backToMain() { pop(null) }
    // Pops down to the first screen of the stack whose objectName matches.
    function backTo(name) {
        var target = find(function(item) { return item.objectName === name })
        if (target)
            pop(target)
    }
    function startRender() {
        appWindow.renderPres.start()
        showRendering()
    }

    initialItem: MainScreen { }

    Component { id: themeScreen; ThemeScreen { } }
    Component { id: backgroundScreen; BackgroundScreen { } }
    Component { id: styleScreen; StyleScreen { } }
    Component { id: settingsScreen; SettingsScreen { } }
    Component { id: downloadingScreen; DownloadingScreen { } }
    Component { id: renderingScreen; RenderingScreen { } }
    Component { id: doneScreen; DoneScreen { } }

    // Escape goes one screen back, as the screen's own back arrow would.
    Shortcut {
        sequence: "Escape"
        enabled: stack.depth > 1 && !stack.busy
        onActivated: if (stack.currentItem.goBack) stack.currentItem.goBack()
    }

    // Undo and redo wherever the project is being edited: the main, theme, background, style and
    // settings screens; a text field keeps the keys for its own text.
    readonly property bool editing: !busy && !!currentItem
        && ["mainScreen", "themeScreen", "backgroundScreen", "styleScreen", "settingsScreen"].indexOf(currentItem.objectName) >= 0
    Shortcut {
        objectName: "undoShortcut"
        sequence: "Ctrl+Z"
        enabled: stack.editing && history.canUndo
        onActivated: history.undo()
    }
    Shortcut {
        objectName: "redoShortcut"
        sequences: ["Ctrl+Shift+Z", "Ctrl+Y"]
        enabled: stack.editing && history.canRedo
        onActivated: history.redo()
    }

    pushEnter: Transition {
        NumberAnimation { property: "x"; from: stack.width * 0.25; to: 0; duration: Theme.normal; easing.type: Easing.OutCubic }
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: Theme.normal }
    }
    pushExit: Transition {
        NumberAnimation { property: "opacity"; from: 1; to: 0; duration: Theme.fast }
    }
    popEnter: Transition {
        NumberAnimation { property: "x"; from: -stack.width * 0.25; to: 0; duration: Theme.normal; easing.type: Easing.OutCubic }
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: Theme.normal }
    }
    popExit: Transition {
        NumberAnimation { property: "opacity"; from: 1; to: 0; duration: Theme.fast }
    }
}
