import QtQuick
import QtQuick.Controls
import BTStyle

// A round icon-only button with its tooltip.
AbstractButton {
    id: control
    property string iconName: ""
    property string tip: ""
    property color tint: Theme.text
    property color fill: "transparent"
    property color hoverFill: Theme.hover
    implicitWidth: 32
    implicitHeight: 32
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    opacity: enabled ? 1 : Theme.disabledOpacity
    Accessible.name: tip

    ToolTip.visible: hovered && tip !== ""
    ToolTip.text: tip
    ToolTip.delay: 500

    contentItem: Item {
        Icon {
            anchors.centerIn: parent
            width: Math.round(control.height * 0.56)
            height: width
            name: control.iconName
            color: control.tint
        }
    }
    background: Rectangle {
        radius: width / 2
        color: control.down ? Theme.pressed : control.hovered ? control.hoverFill : control.fill
        Behavior on color { ColorAnimation { duration: Theme.fast } }
        FocusRing { shown: control.visualFocus; cornerRadius: width / 2 }
    }
}
