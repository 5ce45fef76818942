import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// Plays a theme in a loop: frames drawn by the renderer's own scene code from the user's
// first photos (or sample pictures). It opens at once over the theme's still picture and plays
// the frames as they are drawn.
BasePopup {
    id: popup
    property int themeId: 1
    property int frame: 0
    readonly property var thumbs: appWindow.thumbsPres
    readonly property var frames: thumbs ? thumbs.themePreviewFrames : []
    readonly property bool drawing: !!thumbs && thumbs.themePreviewBusy
    // "Use this theme": the theme screen chooses it as a click on its card does.
    signal useTheme(int themeId)
    preferredWidth: 720

    function show(id, name) {
        themeId = id
        title = name
        frame = 0
        open()
        if (thumbs)
            thumbs.requestThemePreview(id)
    }
    onClosed: {
        if (thumbs)
            thumbs.releaseThemePreview()
    }

    PictureFrame {
        objectName: "themePreviewPicture"
        Layout.fillWidth: true
        imageId: popup.frames.length > 0 ? popup.frames[Math.min(popup.frame, popup.frames.length - 1)] : ""
        fallback: "qrc:/assets/images/templates/" + popup.themeId + "/thumb.jpg"
        busyWhileEmpty: true
    }
    // While frames are still being drawn it waits at the newest; the loop begins once all are in.
    Timer {
        interval: 50
        repeat: true
        running: popup.opened && popup.frames.length > 1
        onTriggered: {
            if (popup.frame + 1 < popup.frames.length)
                popup.frame += 1
            else if (!popup.drawing)
                popup.frame = 0
        }
    }
    buttons: [
        Button { objectName: "themePreviewClose"; text: qsTr("Close"); onClicked: popup.close() },
        BButton {
            objectName: "themePreviewUse"
            text: qsTr("Use this theme")
            onClicked: {
                popup.useTheme(popup.themeId)
                popup.close()
            }
        }
    ]
}
