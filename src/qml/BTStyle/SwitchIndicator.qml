import QtQuick

Rectangle {
    property Item control
    implicitWidth: 36
    implicitHeight: 20
    radius: height / 2
    color: control.checked ? Theme.accent : Theme.lineStrong
    Behavior on color { ColorAnimation { duration: Theme.fast } }
    Rectangle {
        width: 16
        height: 16
        radius: 8
        y: 2
        x: control.checked ? parent.width - width - 2 : 2
        color: Theme.surface
        Behavior on x { NumberAnimation { duration: Theme.fast } }
    }
    FocusRing { shown: control.visualFocus; cornerRadius: 10 }
}
