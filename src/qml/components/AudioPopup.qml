import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// The music tracks in play order, with reordering and removal.
BasePopup {
    id: popup
    title: project.audioFilesCount > 0 ? qsTr("Edit Audio") : qsTr("Add Audio")
    preferredWidth: 560
    signal addRequested()

    Label {
        visible: project.audioFilesCount === 0
        Layout.fillWidth: true
        text: qsTr("No music yet. The video is as long as its music.")
        color: Theme.textMuted
        wrapMode: Text.Wrap
    }
    ListView {
        id: tracks
        objectName: "audioTracks"
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(contentHeight, 280)
        clip: true
        model: project.audioFiles
        spacing: 4
        delegate: Rectangle {
            width: tracks.width
            height: 52
            radius: Theme.radius
            color: Theme.surfaceAlt
            border.color: Theme.line
            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: 12
                anchors.rightMargin: 6
                spacing: Theme.gap
                Icon { name: "music"; width: 18; height: 18; color: Theme.accent }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 0
                    Label { Layout.fillWidth: true; text: modelData.songName; elide: Text.ElideRight; font.weight: Font.DemiBold }
                    Label { Layout.fillWidth: true; text: modelData.artistName; elide: Text.ElideRight; color: Theme.textMuted; font.pixelSize: Theme.captionSize; visible: text !== "" }
                }
                Label { text: modelData.duration; color: Theme.textMuted }
                IconButton { objectName: "audioUp" + index; iconName: "up"; tip: qsTr("Move up"); enabled: index > 0; onClicked: project.moveAudioBack(index) }
                IconButton { objectName: "audioDown" + index; iconName: "down"; tip: qsTr("Move down"); enabled: index < project.audioFilesCount - 1; onClicked: project.moveAudioForward(index) }
                IconButton { objectName: "audioRemove" + index; iconName: "trash"; tip: qsTr("Remove"); onClicked: project.removeAudio(index) }
            }
        }
    }
    buttons: [
        Button { objectName: "audioAddMore"; text: qsTr("Add Audio"); onClicked: popup.addRequested() },
        BButton { objectName: "audioClose"; text: qsTr("Done"); onClicked: popup.close() }
    ]
}
