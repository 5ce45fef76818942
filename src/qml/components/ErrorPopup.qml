import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

BasePopup {
    id: popup
    property string message: ""
    readonly property string supportContact: "support@pictovia.app"

    function show(msg) {
        message = msg
        open()
    }

    title: qsTr("Error")
    Label {
        Layout.fillWidth: true
        text: popup.message
        wrapMode: Text.Wrap
    }
    Label {
        Layout.fillWidth: true
        text: qsTr("If this problem persists, please contact our customer support at ") + popup.supportContact
        wrapMode: Text.Wrap
        color: Theme.textMuted
        font.pixelSize: Theme.captionSize
    }
    buttons: BButton {
        objectName: "errorOkButton"
        text: qsTr("OK")
        onClicked: popup.close()
    }
}
