import QtQuick

Rectangle {
    property Item control
    implicitWidth: 20
    implicitHeight: 20
    radius: 4
    color: control.checked ? Theme.accent : Theme.surface
    border.width: control.checked ? 0 : 1.5
    border.color: control.hovered ? Theme.accent : Theme.lineStrong
    Behavior on color { ColorAnimation { duration: Theme.fast } }
    Text {
        anchors.centerIn: parent
        text: "\u2713"
        font.family: Theme.iconFamily
        font.pixelSize: 14
        font.bold: true
        color: Theme.textOnAccent
        visible: control.checked
    }
    FocusRing { shown: control.visualFocus; cornerRadius: 4 }
}
