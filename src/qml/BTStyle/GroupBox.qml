import QtQuick
import QtQuick.Templates as T

// A titled section card.
T.GroupBox {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, contentWidth + leftPadding + rightPadding, implicitLabelWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, contentHeight + topPadding + bottomPadding)
    spacing: Theme.gap
    padding: Theme.gapLarge
    topPadding: padding + (implicitLabelHeight > 0 ? implicitLabelHeight + spacing : 0)
    font.family: Theme.fontFamily

    label: Text {
        x: control.leftPadding
        y: control.padding
        width: control.availableWidth
        text: control.title
        font.family: Theme.fontFamily
        font.pixelSize: Theme.sectionSize
        font.weight: Font.DemiBold
        color: Theme.text
        elide: Text.ElideRight
    }
    background: Rectangle {
        radius: Theme.radius
        color: Theme.surface
        border.color: Theme.line
    }
}
