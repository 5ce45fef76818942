import QtQuick
import QtQuick.Controls
import BTStyle

// A tool-bar action: an icon over a short label. The label hides on narrow windows; the
// tooltip never does. Its widths with and without the label let the bar choose which to hide.
ToolButton {
    id: control
    property string iconName: ""
    property string tip: text
    property bool compact: false
    property bool attention: false
    focusPolicy: Qt.StrongFocus
    Accessible.name: text
    ToolTip.visible: hovered && tip !== ""
    ToolTip.text: tip
    ToolTip.delay: 500
    font.pixelSize: Theme.captionSize
    readonly property real labelledWidth: Math.max(implicitBackgroundWidth, Math.max(icon.implicitWidth, label.implicitWidth) + leftPadding + rightPadding)
    readonly property real iconOnlyWidth: Math.max(implicitBackgroundWidth, icon.implicitWidth + leftPadding + rightPadding)

    contentItem: Column {
        spacing: 3
        Icon {
            id: icon
            anchors.horizontalCenter: parent.horizontalCenter
            name: control.iconName
            color: control.attention ? Theme.accent : Theme.text
        }
        Text {
            id: label
            anchors.horizontalCenter: parent.horizontalCenter
            visible: !control.compact
            text: control.text
            font: control.font
            color: Theme.textMuted
            horizontalAlignment: Text.AlignHCenter
        }
    }
}
