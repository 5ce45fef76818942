import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.Popup {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding)
    padding: 24

    background: Rectangle {
        radius: 6
        color: "#ffffff"
        border.color: "#d5dde7"
    }
    T.Overlay.modal: Rectangle {
        color: "#80202a36"
    }
}
