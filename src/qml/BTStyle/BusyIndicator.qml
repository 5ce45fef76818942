import QtQuick
import QtQuick.Templates as T

T.BusyIndicator {
    id: control
    implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
    implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

    contentItem: Item {
        implicitWidth: 40
        implicitHeight: 40
        opacity: control.running ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: Theme.normal } }
        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: "transparent"
            border.width: 4
            border.color: Theme.sunken
        }
        Rectangle {
            id: dot
            width: 10
            height: 10
            radius: 5
            color: Theme.accent
            x: parent.width / 2 - 5 + (parent.width / 2 - 2) * Math.cos(angle)
            y: parent.height / 2 - 5 + (parent.height / 2 - 2) * Math.sin(angle)
            property real angle: 0
            NumberAnimation on angle { from: 0; to: 2 * Math.PI; duration: 1000; loops: Animation.Infinite; running: control.running && control.visible }
        }
    }
}
