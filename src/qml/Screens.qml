import QtQuick 2.12
import QtQuick.Controls 2.12

StackView {
    id: stack
    initialItem: Page {
        Label {
            anchors.centerIn: parent
            text: qsTr("Add photos, text slides and music to start a new slideshow.")
            color: "#5b6b7f"
        }
    }
}
