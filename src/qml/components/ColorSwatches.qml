import QtQuick
import QtQuick.Controls
import BTStyle

// A row of colour chips; the one matching the current colour is ringed.
Flow {
    id: root
    property var colors: []
    property color current: "white"
    signal picked(color color)
    spacing: Theme.gap
    // Chips shrink a little before they wrap, so the usual set stays on one line in narrow panels.
    readonly property int side: Math.max(24, Math.min(32, Math.floor((width - (colors.length - 1) * spacing) / Math.max(1, colors.length))))

    Repeater {
        model: root.colors
        AbstractButton {
            objectName: root.objectName + "_" + index
            width: root.side
            height: root.side
            hoverEnabled: true
            focusPolicy: Qt.StrongFocus
            readonly property bool chosen: Qt.colorEqual(root.current, modelData)
            onClicked: root.picked(modelData)
            background: Rectangle {
                radius: width / 2
                color: modelData
                border.width: 1
                border.color: Theme.lineStrong
                scale: parent.hovered ? 1.08 : 1
                Behavior on scale { NumberAnimation { duration: Theme.fast } }
                Rectangle {
                    anchors.fill: parent
                    anchors.margins: -4
                    radius: width / 2
                    color: "transparent"
                    border.width: 2
                    border.color: Theme.accent
                    visible: parent.parent.chosen || parent.parent.visualFocus
                }
            }
        }
    }
}
