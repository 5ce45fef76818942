import QtQuick
import QtQuick.Controls
import BTStyle

// A 16:9 dark frame with one picture letterboxed in it, from the image provider by id or any
// other source; a spinner while there is none yet, when asked for.
Rectangle {
    id: frame
    property string imageId: ""
    property url fallback: ""
    property bool busyWhileEmpty: false
    readonly property alias picture: image

    implicitHeight: Math.round(width * 9 / 16)
    radius: Theme.radius
    color: Theme.dark
    clip: true

    Image {
        id: image
        anchors.fill: parent
        fillMode: Image.PreserveAspectFit
        cache: false
        source: frame.imageId !== "" ? "image://ImageProvider/" + frame.imageId : frame.fallback
    }
    BusyIndicator {
        anchors.centerIn: parent
        visible: frame.busyWhileEmpty
        running: frame.busyWhileEmpty && frame.imageId === ""
    }
}
