import QtQuick

// The keyboard focus outline drawn around a control.
Rectangle {
    property bool shown: false
    property real cornerRadius: Theme.radius
    anchors.fill: parent
    anchors.margins: -3
    radius: cornerRadius + 3
    color: "transparent"
    border.width: Theme.focusWidth
    border.color: Theme.accent
    visible: shown
}
