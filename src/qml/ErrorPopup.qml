import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12

Popup {
    id: popup
    property string message: ""
    readonly property string supportContact: "support@pictovia.app"

    function show(msg) {
        message = msg
        open()
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 520
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape

    ColumnLayout {
        anchors.fill: parent
        spacing: 16
        Label {
            text: qsTr("Error")
            font.pixelSize: 24
            font.weight: Font.DemiBold
        }
        Label {
            Layout.fillWidth: true
            text: popup.message
            wrapMode: Text.Wrap
        }
        Label {
            Layout.fillWidth: true
            text: qsTr("If this problem persists, please contact our customer support at ") + popup.supportContact
            wrapMode: Text.Wrap
            color: "#5b6b7f"
            font.pixelSize: 14
        }
        Button {
            Layout.alignment: Qt.AlignRight
            text: qsTr("OK")
            onClicked: popup.close()
        }
    }
}
