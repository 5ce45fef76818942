import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// Saved projects, newest first: open one, or remove it after asking.
BasePopup {
    id: popup
    title: qsTr("Recent Projects")
    preferredWidth: 640
    readonly property var saved: appWindow.savedProjectsPres
    signal openRequested(int index)

    Label {
        objectName: "noRecentProjects"
        visible: !popup.saved || list.count === 0
        Layout.fillWidth: true
        Layout.topMargin: Theme.gapLarge
        Layout.bottomMargin: Theme.gapLarge
        horizontalAlignment: Text.AlignHCenter
        text: qsTr("No recent projects")
        color: Theme.textMuted
    }
    ListView {
        id: list
        objectName: "recentList"
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(contentHeight, 420)
        visible: count > 0
        clip: true
        spacing: 6
        model: popup.saved
        ScrollBar.vertical: ScrollBar { }
        delegate: ItemDelegate {
            id: row
            objectName: "recentProject" + index
            width: list.width
            height: 80
            onClicked: popup.openRequested(index)
            background: Rectangle {
                radius: Theme.radius
                color: row.down ? Theme.pressed : row.hovered ? Theme.hover : Theme.surfaceAlt
                border.color: Theme.line
            }
            contentItem: RowLayout {
                spacing: Theme.gapLarge
                Row {
                    spacing: 4
                    Repeater {
                        model: imgs
                        Rectangle {
                            width: 56; height: 56; radius: 6; color: Theme.sunken; clip: true
                            Image {
                                anchors.fill: parent
                                source: modelData !== "" ? "image://PrjImgProvider/" + modelData : ""
                                fillMode: Image.PreserveAspectCrop
                                asynchronous: true
                            }
                        }
                    }
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 2
                    Label { Layout.fillWidth: true; text: name; font.weight: Font.DemiBold; elide: Text.ElideRight }
                    Label {
                        Layout.fillWidth: true
                        text: damaged ? qsTr("Damaged file: opens what can be read") : appWindow.slidesText(slidesCount)
                        color: damaged ? Theme.danger : Theme.textMuted
                        font.pixelSize: Theme.captionSize
                    }
                }
                IconButton {
                    objectName: "recentRemove" + index
                    iconName: "trash"
                    tip: qsTr("Remove Project?")
                    onClicked: { confirm.row = index; confirm.open() }
                }
            }
        }
    }
    ConfirmPopup {
        id: confirm
        objectName: "removeProjectPopup"
        destructive: true
        property int row: -1
        title: qsTr("Remove Project?")
        text: qsTr("The saved project is deleted. Your photos and music stay where they are.")
        acceptText: qsTr("Remove")
        onAccepted: popup.saved.remove(row)
    }
    buttons: BButton { objectName: "recentClose"; text: qsTr("Close"); onClicked: popup.close() }
}
