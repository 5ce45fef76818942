import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../BTStyle"

// A question with two answers, optionally with "Don’t ask again". The accepting answer is the
// default (the one Enter gives) unless rejectIsDefault: then the safe answer is.
BasePopup {
    id: popup
    property string text: ""
    property string acceptText: qsTr("OK")
    property string rejectText: qsTr("Cancel")
    property bool offerDontAsk: false
    property bool destructive: false
    property bool rejectIsDefault: false
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
    onOpened: if (popup.rejectIsDefault) rejectDefault.forceActiveFocus()
    function reject() { popup.close(); popup.rejected() }
    function accept() { popup.close(); popup.accepted() }
    // The default answer has the filled look and stands last; the other is a plain button.
    buttons: [
        Button {
            objectName: popup.objectName + "Reject"
            visible: !popup.rejectIsDefault
            text: popup.rejectText
            onClicked: popup.reject()
        },
        Button {
            objectName: popup.objectName + "AcceptPlain"
            visible: popup.rejectIsDefault
            text: popup.acceptText
            onClicked: popup.accept()
        },
        BButton {
            id: rejectDefault
            objectName: popup.objectName + "RejectDefault"
            visible: popup.rejectIsDefault
            focus: popup.rejectIsDefault
            text: popup.rejectText
            onClicked: popup.reject()
            Keys.onReturnPressed: popup.reject()
            Keys.onEnterPressed: popup.reject()
        },
        BButton {
            objectName: popup.objectName + "Accept"
            visible: !popup.rejectIsDefault
            text: popup.acceptText
            onClicked: popup.accept()
        }
    ]
}
