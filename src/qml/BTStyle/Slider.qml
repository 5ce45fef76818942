import QtQuick
import QtQuick.Templates as T

T.Slider {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitHandleWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitHandleHeight + topPadding + bottomPadding)
    padding: 6
    hoverEnabled: true
    opacity: enabled ? 1 : Theme.disabledOpacity

    handle: Rectangle {
        x: control.leftPadding + control.visualPosition * (control.availableWidth - width)
        y: control.topPadding + (control.availableHeight - height) / 2
        implicitWidth: 18
        implicitHeight: 18
        radius: 9
        color: Theme.surface
        border.width: 2
        border.color: Theme.accent
        scale: control.pressed ? 1.15 : control.hovered ? 1.07 : 1
        Behavior on scale { NumberAnimation { duration: Theme.fast } }
        FocusRing { shown: control.visualFocus; cornerRadius: 9 }
    }
    background: Rectangle {
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        implicitWidth: 200
        implicitHeight: 4
        width: control.availableWidth
        height: 4
        radius: 2
        color: Theme.sunken
        Rectangle {
            width: control.visualPosition * parent.width
            height: parent.height
            radius: 2
            color: Theme.accent
        }
    }
}
