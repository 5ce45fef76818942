import QtQuick
import QtQuick.Controls
import BTStyle

// A short confirmation that slides up, waits and fades away.
Rectangle {
    id: toast
    property string text: ""
    width: row.implicitWidth + 32
    height: 44
    radius: 22
    color: Theme.dark
    opacity: 0
    visible: opacity > 0

    function show(message) {
        text = message
        anim.restart()
    }
    Row {
        id: row
        anchors.centerIn: parent
        spacing: Theme.gap
        Icon { name: "check"; color: Theme.success; width: 20; height: 20; anchors.verticalCenter: parent.verticalCenter }
        Label { text: toast.text; color: Theme.textOnDark; anchors.verticalCenter: parent.verticalCenter }
    }
    transform: Translate { id: shift; y: 0 }
    SequentialAnimation {
        id: anim
        ParallelAnimation {
            NumberAnimation { target: toast; property: "opacity"; from: 0; to: 1; duration: Theme.normal }
            NumberAnimation { target: shift; property: "y"; from: 12; to: 0; duration: Theme.normal; easing.type: Easing.OutCubic }
        }
        PauseAnimation { duration: 1400 }
        NumberAnimation { target: toast; property: "opacity"; to: 0; duration: Theme.normal }
    }
}
