import QtQuick
import QtQuick.Templates as T

T.ProgressBar {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    contentItem: Item {
        implicitWidth: 200
        implicitHeight: 8
        clip: control.indeterminate
        Rectangle {
            visible: !control.indeterminate
            width: control.visualPosition * parent.width
            height: parent.height
            radius: 4
            color: Theme.accent
            Behavior on width { NumberAnimation { duration: Theme.normal } }
        }
        // No length known: a short segment sweeps across.
        Rectangle {
            id: sweep
            visible: control.indeterminate
            width: parent.width * 0.3
            height: parent.height
            radius: 4
            color: Theme.accent
            NumberAnimation on x {
                from: -sweep.width
                to: sweep.parent.width
                duration: 1200
                loops: Animation.Infinite
                running: control.indeterminate && control.visible
            }
        }
    }
    background: Rectangle {
        implicitWidth: 200
        implicitHeight: 8
        radius: 4
        color: Theme.sunken
    }
}
