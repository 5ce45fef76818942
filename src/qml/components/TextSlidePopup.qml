import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// Adds a text slide, or edits one when opened with a row.
BasePopup {
    id: popup
    property int row: -1
    title: row < 0 ? qsTr("Add Text Slide") : qsTr("Edit Slide Text")

    function openNew() { row = -1; field.text = ""; open() }
    function openEdit(index, text) { row = index; field.text = text; open() }
    function accept() {
        if (field.text.trim() === "")
            return
        if (row < 0)
            project.addTextSlide(field.text)
        else
            project.editTextSlide(row, field.text)
        close()
    }
    onOpened: field.forceActiveFocus()

    TextArea {
        id: field
        objectName: "textSlideField"
        Layout.fillWidth: true
        Layout.preferredHeight: 120
        placeholderText: qsTr("Type your text here...")
        Keys.onReturnPressed: (event) => { if (event.modifiers & Qt.ControlModifier) popup.accept(); else event.accepted = false }
    }
    buttons: [
        Button { objectName: "textSlideCancel"; text: qsTr("Cancel"); onClicked: popup.close() },
        BButton {
            objectName: "textSlideOk"
            text: popup.row < 0 ? qsTr("Add") : qsTr("Save")
            enabled: field.text.trim() !== ""
            onClicked: popup.accept()
        }
    ]
}
