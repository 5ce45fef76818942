import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// Offered after a crash of the previous run: the user may tell us what happened.
BasePopup {
    id: popup
    title: qsTr("Pictovia closed unexpectedly")
    preferredWidth: 520

    function offer() {
        if (!appSettings.contains("dontShowPopupLeave"))
            open()
    }
    onAboutToShow: message.text = ""

    Label {
        Layout.fillWidth: true
        text: qsTr("Tell us what you were doing, it helps us fix it.")
        wrapMode: Text.Wrap
        color: Theme.textMuted
    }
    TextArea {
        id: message
        objectName: "crashMessage"
        Layout.fillWidth: true
        Layout.preferredHeight: 120
        placeholderText: qsTr("Type your message here...")
    }
    buttons: [
        Button {
            objectName: "crashDontAsk"
            flat: true
            text: qsTr("Don\u2019t ask again")
            onClicked: { appSettings.set("dontShowPopupLeave"); popup.close() }
        },
        Button {
            objectName: "crashClose"
            text: qsTr("Close")
            onClicked: popup.close()
        },
        BButton {
            objectName: "crashSend"
            text: qsTr("Send")
            enabled: message.text.trim() !== ""
            onClicked: { commonError.sendCrashFeedback(message.text); popup.close() }
        }
    ]
}
