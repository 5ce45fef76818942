import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
// After QtQuick, so that Binding is the one with restoreMode.
import QtQml
import BTStyle

// The live preview of the slideshow: its picture, Play/Pause and a seek bar with the time
// reached and the length. Everything it shows comes from the "preview" presenter.
ColumnLayout {
    id: panel
    property bool showPicture: true
    // A "Preview" heading above, and a line on playing from a slide below (the main screen's).
    property bool titled: false
    property bool slideHint: false
    readonly property bool canPlay: preview.duration > 0
    spacing: Theme.gap

    function clock(seconds) {
        var s = Math.max(0, Math.floor(seconds))
        return Math.floor(s / 60) + ":" + ("0" + s % 60).slice(-2)
    }

    Label {
        visible: panel.titled
        text: qsTr("Preview")
        font.pixelSize: Theme.sectionSize
        font.weight: Font.DemiBold
    }
    PictureFrame {
        id: picture
        objectName: "previewScreen"
        visible: panel.showPicture
        Layout.fillWidth: true
        Layout.preferredHeight: Math.round(width * 9 / 16)
        imageId: preview.frame
        picture.objectName: "previewPicture"

        MouseArea {
            id: pictureMouse
            anchors.fill: parent
            enabled: panel.canPlay
            hoverEnabled: true
            cursorShape: enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
            onClicked: preview.toggle()
        }
        // A large play mark over the picture while nothing plays.
        Rectangle {
            anchors.centerIn: parent
            width: Math.min(64, parent.height * 0.3)
            height: width
            radius: width / 2
            visible: panel.canPlay && !preview.playing
            color: pictureMouse.containsMouse ? Theme.onPictureHover : Theme.onPicture
            Behavior on color { ColorAnimation { duration: Theme.fast } }
            Icon {
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: width * 0.08
                width: parent.width * 0.5
                height: width
                name: "play"
                color: Theme.textOnDark
            }
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: Theme.gap
            width: parent.width - 2 * Theme.gap
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            visible: preview.frame === "" && !downloadBar.visible
            color: Theme.textOnDark
            font.pixelSize: Theme.captionSize
            text: panel.canPlay ? qsTr("Press Play to watch the slideshow") : qsTr("Add photos first")
        }
        // The chosen background's video is still on its way: the picture waits for it.
        DownloadBar {
            id: downloadBar
            objectName: "previewDownloadBar"
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: Theme.gap }
            overPicture: true
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: Theme.gap

        IconButton {
            objectName: "previewPlayButton"
            iconName: preview.playing ? "pause" : "play"
            tip: !panel.canPlay ? qsTr("Add photos first") : preview.playing ? qsTr("Pause") : qsTr("Play")
            tint: Theme.textOnAccent
            fill: Theme.accent
            hoverFill: Theme.accentHover
            enabled: panel.canPlay
            onClicked: preview.toggle()
        }
        Label {
            objectName: "previewPosition"
            color: Theme.textMuted
            font.pixelSize: Theme.captionSize
            font.family: Theme.monoFamily
            text: panel.clock(seekBar.pressed ? seekBar.value : preview.position)
        }
        Slider {
            id: seekBar
            objectName: "previewSeekBar"
            Layout.fillWidth: true
            from: 0
            to: Math.max(preview.duration, 0.001)
            enabled: panel.canPlay
            // A drag seeks once, where it is let go; the keys seek at every step.
            onMoved: if (!pressed) preview.seek(value)
            onPressedChanged: if (!pressed) preview.seek(value)
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
            font.family: Theme.monoFamily
            text: panel.clock(preview.duration)
        }
    }
    Label {
        visible: panel.slideHint
        Layout.fillWidth: true
        Layout.topMargin: Theme.gap
        wrapMode: Text.Wrap
        color: Theme.textMuted
        font.pixelSize: Theme.captionSize
        text: qsTr("Double-click a slide, or select it and press Space, to play from there.")
    }
}
