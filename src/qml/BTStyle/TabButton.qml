import QtQuick
import QtQuick.Templates as T

T.TabButton {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)
    padding: Theme.gap
    leftPadding: Theme.gapLarge
    rightPadding: Theme.gapLarge
    hoverEnabled: true
    font.family: Theme.fontFamily
    font.pixelSize: Theme.bodySize
    font.weight: Font.DemiBold

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.checked ? Theme.accent : control.hovered ? Theme.text : Theme.textMuted
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        // Long labels (German, Japanese) shrink to the caption size before they are cut short.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.captionSize
        elide: Text.ElideRight
    }
    background: Rectangle {
        implicitHeight: 40
        radius: Theme.radius
        color: control.down ? Theme.pressed : control.hovered ? Theme.hover : "transparent"
        FocusRing { shown: control.visualFocus }
    }
}
