import QtQuick
import QtQuick.Templates as T

// Quiet secondary button; `highlighted` turns it into the accent main action.
T.Button {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: Theme.gap
    leftPadding: Theme.gapLarge
    rightPadding: Theme.gapLarge
    spacing: Theme.gap
    font.family: Theme.fontFamily
    font.pixelSize: Theme.bodySize
    font.weight: Font.DemiBold
    hoverEnabled: true
    opacity: enabled ? 1 : Theme.disabledOpacity

    readonly property color foreground: highlighted ? Theme.textOnAccent : (flat ? Theme.accent : Theme.text)

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.foreground
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        implicitWidth: 88
        implicitHeight: Theme.controlHeight
        radius: Theme.radius
        color: control.highlighted
               ? (control.down ? Theme.accentPressed : control.hovered ? Theme.accentHover : Theme.accent)
               : control.flat
                 ? (control.down ? Theme.pressed : control.hovered ? Theme.hover : "transparent")
                 : (control.down ? Theme.pressed : control.hovered ? Theme.hover : Theme.surface)
        border.width: control.highlighted || control.flat ? 0 : 1
        border.color: Theme.line
        Behavior on color { ColorAnimation { duration: Theme.fast } }
        Ripple {
            anchors.fill: parent
            pressed: control.pressed
            color: control.highlighted ? Theme.glint : Theme.edge
        }
        FocusRing { shown: control.visualFocus }
    }
}
