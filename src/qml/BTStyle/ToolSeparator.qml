import QtQuick
import QtQuick.Templates as T

T.ToolSeparator {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)
    padding: Theme.gap
    contentItem: Rectangle {
        implicitWidth: 1
        implicitHeight: 32
        color: Theme.line
    }
}
