import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// The slides' total time against the music's length: a full bar means the photos fill the song.
Rectangle {
    id: bar
    objectName: "timelineBar"
    implicitHeight: 56
    color: Theme.surface
    signal audioClicked()

    Rectangle { width: parent.width; height: 1; color: Theme.line }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: Theme.margin
        anchors.rightMargin: Theme.margin
        spacing: Theme.gapLarge

        Label {
            text: qsTr("Video length")
            color: Theme.textMuted
            font.pixelSize: Theme.captionSize
        }
        Label {
            objectName: "timelineText"
            text: project.timelineText.trim()
            font.weight: Font.DemiBold
            font.family: Theme.monoFamily
        }
        ProgressBar {
            objectName: "timelineProgress"
            Layout.fillWidth: true
            value: project.audioFilesCount > 0 ? Math.min(project.timelineValue, 100) / 100 : 0
        }
        AbstractButton {
            id: music
            objectName: "timelineAudio"
            Layout.maximumWidth: bar.width * 0.35
            implicitWidth: musicRow.implicitWidth + 16
            implicitHeight: 36
            hoverEnabled: true
            onClicked: bar.audioClicked()
            ToolTip.visible: hovered
            ToolTip.text: project.audioFilesCount > 0 ? qsTr("Edit Audio") : qsTr("Add Audio")
            background: Rectangle {
                radius: Theme.radius
                color: music.down ? Theme.pressed : music.hovered ? Theme.hover : "transparent"
            }
            contentItem: RowLayout {
                id: musicRow
                spacing: Theme.gap
                Icon { name: "music"; width: 18; height: 18; color: project.audioFilesCount > 0 ? Theme.accent : Theme.textMuted }
                Label {
                    Layout.fillWidth: true
                    text: project.audioFilesCount > 0 ? project.audioTracksText : qsTr("No music yet")
                    color: project.audioFilesCount > 0 ? Theme.text : Theme.textMuted
                    elide: Text.ElideRight
                }
            }
        }
    }
}
