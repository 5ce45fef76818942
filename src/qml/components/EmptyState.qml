import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// What an empty project shows in the grid's place: a large drop target.
Item {
    id: root
    property bool dragActive: false
    signal addImages()
    signal addFolder()

    Rectangle {
        anchors.fill: parent
        anchors.margins: Theme.margin
        radius: Theme.radius * 2
        color: root.dragActive ? Theme.accentSoft : Theme.surfaceAlt
        border.width: 2
        border.color: root.dragActive ? Theme.accent : Theme.lineStrong
        Behavior on color { ColorAnimation { duration: Theme.fast } }

        // Fills the frame and centres its content between stretching spacers: a layout that
        // moved whenever its wrapped text changed height would lay itself out again and again.
        ColumnLayout {
            anchors.fill: parent
            anchors.margins: Theme.margin
            spacing: Theme.gapLarge

            Item { Layout.fillHeight: true }

            Rectangle {
                Layout.alignment: Qt.AlignHCenter
                width: 88
                height: 88
                radius: 44
                color: Theme.accentSoft
                Icon { anchors.centerIn: parent; width: 44; height: 44; name: "image"; color: Theme.accent }
            }
            Label {
                Layout.fillWidth: true
                Layout.maximumWidth: 520
                Layout.alignment: Qt.AlignHCenter
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("Drop photos and music here")
                font.pixelSize: Theme.titleSize
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
            }
            Label {
                Layout.fillWidth: true
                Layout.maximumWidth: 520
                Layout.alignment: Qt.AlignHCenter
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("or add them from your computer to start a new slideshow.")
                color: Theme.textMuted
                wrapMode: Text.Wrap
            }
            RowLayout {
                Layout.alignment: Qt.AlignHCenter
                spacing: Theme.gap
                BButton {
                    objectName: "emptyAddImages"
                    text: qsTr("Add Images")
                    onClicked: root.addImages()
                }
                Button {
                    objectName: "emptyAddFolder"
                    text: qsTr("Add Folder with Images")
                    implicitHeight: Theme.actionHeight
                    onClicked: root.addFolder()
                }
            }
            Item { Layout.fillHeight: true }
        }
    }
}
