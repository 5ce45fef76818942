import QtQuick
import QtQuick.Templates as T

T.ToolBar {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, contentHeight + topPadding + bottomPadding)
    leftPadding: Theme.gapLarge
    rightPadding: Theme.gapLarge
    topPadding: Theme.gap
    bottomPadding: Theme.gap
    background: Rectangle {
        implicitHeight: Theme.toolBarHeight
        color: Theme.surface
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: Theme.line
        }
    }
}
