import QtQuick
import QtQuick.Templates as T

T.Pane {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, contentHeight + topPadding + bottomPadding)
    padding: Theme.gapLarge
    background: Rectangle {
        color: Theme.surface
        radius: Theme.radius
        border.color: Theme.line
    }
}
