import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../BTStyle"

// Plays a theme in a loop: frames drawn by the renderer's own scene code from the user's
// first photos (or sample pictures).
BasePopup {
    id: popup
    property int themeId: 1
    property var frames: []
    property int frame: 0
    preferredWidth: 720

    function show(id, name) {
        themeId = id
        title = name
        frame = 0
        frames = appWindow.thumbsPres && appWindow.thumbsPres.themePreviewFrames
                ? appWindow.thumbsPres.themePreviewFrames(id) : []
        open()
    }
    onClosed: {
        if (appWindow.thumbsPres && appWindow.thumbsPres.releaseThemePreview)
            appWindow.thumbsPres.releaseThemePreview()
        frames = []
    }

    PictureFrame {
        Layout.fillWidth: true
        imageId: popup.frames.length > 0 ? popup.frames[popup.frame] : ""
        fallback: "qrc:/assets/images/templates/" + popup.themeId + "/thumb.jpg"
    }
    Timer {
        interval: 50
        repeat: true
        running: popup.opened && popup.frames.length > 1
        onTriggered: popup.frame = (popup.frame + 1) % popup.frames.length
    }
    buttons: BButton { objectName: "themePreviewClose"; text: qsTr("Close"); onClicked: popup.close() }
}
