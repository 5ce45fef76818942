import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// A question with two answers, optionally with "Don’t ask again". The accepting answer is the
// default (the one Enter gives) unless the action destroys work: then the safe answer is.
BasePopup {
    id: popup
    property string text: ""
    property string acceptText: qsTr("OK")
    property string rejectText: qsTr("Cancel")
    property bool offerDontAsk: false
    property bool destructive: false
    property bool rejectIsDefault: destructive
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
    // Enter gives the default answer, whichever it is.
    onOpened: defaultAnswer.forceActiveFocus()
    function reject() { popup.close(); popup.rejected() }
    function accept() { popup.close(); popup.accepted() }
    // The default answer has the filled look and stands last; the other is a plain button.
    buttons: [
        Button {
            objectName: popup.objectName + (popup.rejectIsDefault ? "AcceptPlain" : "Reject")
            text: popup.rejectIsDefault ? popup.acceptText : popup.rejectText
            onClicked: popup.rejectIsDefault ? popup.accept() : popup.reject()
            // Return presses the focused answer: Tab moves to it from the default.
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
        },
        BButton {
            id: defaultAnswer
            objectName: popup.objectName + (popup.rejectIsDefault ? "RejectDefault" : "Accept")
            focus: true
            text: popup.rejectIsDefault ? popup.rejectText : popup.acceptText
            onClicked: popup.rejectIsDefault ? popup.reject() : popup.accept()
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
        }
    ]
}
