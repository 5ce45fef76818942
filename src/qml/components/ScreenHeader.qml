import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// Top bar of the screens after the main one: back arrow, title, step indicator, main action.
ToolBar {
    id: header
    property string title: ""
    property int step: -1
    property alias backButton: back
    default property alias actions: actionRow.data
    signal backClicked()

    RowLayout {
        anchors.fill: parent
        spacing: Theme.gapLarge
        IconButton {
            id: back
            objectName: "backButton"
            iconName: "back"
            tip: qsTr("Back")
            implicitWidth: 40
            implicitHeight: 40
            onClicked: header.backClicked()
        }
        Label {
            text: header.title
            font.pixelSize: Theme.titleSize
            font.weight: Font.DemiBold
            elide: Text.ElideRight
        }
        Item {
            Layout.fillWidth: true
            implicitHeight: steps.implicitHeight
            StepIndicator {
                id: steps
                anchors.centerIn: parent
                width: Math.min(implicitWidth, parent.width)
                current: header.step
                visible: header.step >= 0
            }
        }
        RowLayout {
            id: actionRow
            spacing: Theme.gap
        }
    }
}
