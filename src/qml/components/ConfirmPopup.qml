import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../BTStyle"

// A question with two answers, optionally with "Don’t ask again".
BasePopup {
    id: popup
    property string text: ""
    property string acceptText: qsTr("OK")
    property string rejectText: qsTr("Cancel")
    property bool offerDontAsk: false
    property bool destructive: false
    readonly property alias dontAskAgain: dontAsk.checked
    signal accepted()
    signal rejected()

    Label {
        Layout.fillWidth: true
        text: popup.text
        visible: text !== ""
        wrapMode: Text.Wrap
        color: Theme.textMuted
    }
    CheckBox {
        id: dontAsk
        objectName: popup.objectName + "DontAsk"
        visible: popup.offerDontAsk
        text: qsTr("Don\u2019t ask again")
    }
    onAboutToShow: dontAsk.checked = false
    buttons: [
        Button {
            objectName: popup.objectName + "Reject"
            text: popup.rejectText
            onClicked: { popup.close(); popup.rejected() }
        },
        BButton {
            objectName: popup.objectName + "Accept"
            text: popup.acceptText
            onClicked: { popup.close(); popup.accepted() }
        }
    ]
}
