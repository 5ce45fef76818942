import QtQuick 2.15
import QtQuick.Templates 2.15 as T

T.ProgressBar {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    contentItem: Item {
        implicitWidth: 200
        implicitHeight: 8
        Rectangle {
            width: control.visualPosition * parent.width
            height: parent.height
            radius: 4
            color: Theme.accent
            Behavior on width { NumberAnimation { duration: Theme.normal } }
        }
    }
    background: Rectangle {
        implicitWidth: 200
        implicitHeight: 8
        radius: 4
        color: Theme.sunken
    }
}
