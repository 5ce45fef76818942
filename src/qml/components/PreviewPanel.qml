import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../BTStyle"

// The live preview of the slideshow: its picture (optional), Play/Pause and a seek bar with the
// time reached and the length. Everything it shows comes from the "preview" presenter.
ColumnLayout {
    id: panel
    property bool showPicture: true
    spacing: Theme.gap

    function clock(seconds) {
        var s = Math.max(0, Math.floor(seconds))
        return Math.floor(s / 60) + ":" + ("0" + s % 60).slice(-2)
    }

    PictureFrame {
        objectName: "previewScreen"
        visible: panel.showPicture
        Layout.fillWidth: true
        imageId: preview.frame
        picture.objectName: "previewPicture"

        Label {
            anchors.centerIn: parent
            visible: preview.frame === ""
            color: Theme.textOnAccent
            text: qsTr("Press Play to watch the slideshow")
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.gap

        IconButton {
            objectName: "previewPlayButton"
            iconName: preview.playing ? "pause" : "play"
            tip: preview.playing ? qsTr("Pause") : qsTr("Play")
            enabled: preview.duration > 0
            onClicked: preview.toggle()
        }
        Label {
            objectName: "previewPosition"
            color: Theme.textMuted
            font.pixelSize: Theme.captionSize
            text: panel.clock(seekBar.pressed ? seekBar.value : preview.position)
        }
        Slider {
            id: seekBar
            objectName: "previewSeekBar"
            Layout.fillWidth: true
            from: 0
            to: Math.max(preview.duration, 0.001)
            enabled: preview.duration > 0
            onMoved: preview.seek(value)
            Binding on value {
                value: preview.position
                when: !seekBar.pressed
                restoreMode: Binding.RestoreNone
            }
        }
        Label {
            objectName: "previewDuration"
            color: Theme.textMuted
            font.pixelSize: Theme.captionSize
            text: panel.clock(preview.duration)
        }
    }
}
