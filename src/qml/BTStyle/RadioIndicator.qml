import QtQuick

Rectangle {
    property Item control
    implicitWidth: 20
    implicitHeight: 20
    radius: width / 2
    color: Theme.surface
    border.width: control.checked ? 6 : 1.5
    border.color: control.checked || control.hovered ? Theme.accent : Theme.lineStrong
    Behavior on border.width { NumberAnimation { duration: Theme.fast } }
    FocusRing { shown: control.visualFocus; cornerRadius: 10 }
}
