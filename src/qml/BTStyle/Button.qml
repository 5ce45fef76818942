import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.Button {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 12
    leftPadding: 24
    rightPadding: 24
    font.pixelSize: 15
    font.weight: Font.DemiBold

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? "#ffffff" : "#dfe5ec"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        implicitWidth: 96
        implicitHeight: 40
        radius: 4
        color: !control.enabled ? "#a9b6c6" : control.down ? "#1f5fa8" : control.hovered ? "#2b73c4" : "#2f80d8"
    }
}
