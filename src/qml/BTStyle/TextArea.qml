import QtQuick
import QtQuick.Templates as T

T.TextArea {
    id: control
    implicitWidth: Math.max(contentWidth + leftPadding + rightPadding, implicitBackgroundWidth + leftInset + rightInset, placeholder.implicitWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(contentHeight + topPadding + bottomPadding, implicitBackgroundHeight + topInset + bottomInset)
    padding: 12
    font.family: Theme.fontFamily
    font.pixelSize: Theme.bodySize
    color: Theme.text
    selectionColor: Theme.accent
    selectedTextColor: Theme.textOnAccent
    placeholderTextColor: Theme.textFaint
    wrapMode: TextEdit.Wrap
    hoverEnabled: true

    Text {
        id: placeholder
        x: control.leftPadding
        y: control.topPadding
        width: control.width - (control.leftPadding + control.rightPadding)
        text: control.placeholderText
        font: control.font
        color: control.placeholderTextColor
        visible: !control.length && !control.preeditText
        wrapMode: Text.Wrap
    }
    background: Rectangle {
        implicitWidth: 200
        implicitHeight: 96
        radius: Theme.radius
        color: Theme.surface
        border.width: control.activeFocus ? 2 : 1
        border.color: control.activeFocus ? Theme.accent : control.hovered ? Theme.lineStrong : Theme.line
    }
}
