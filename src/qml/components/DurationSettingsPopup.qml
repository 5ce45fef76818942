import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// How long each slide shows: stretched to the music, or a fixed number of seconds.
BasePopup {
    id: popup
    title: qsTr("Slide Duration Settings")
    // The choices take effect at once, so the preview shows them; Cancel undoes them.
    property int openedStep: 0
    onAboutToShow: openedStep = history.index
    // The next time the popup opens, its changes are a step of their own.
    onClosed: history.closeMerging()

    RadioButton {
        objectName: "durationFit"
        text: qsTr("Fit to audio length")
        checked: !project.isDurationFixed
        onClicked: project.isDurationFixed = false
    }
    Label {
        Layout.fillWidth: true
        Layout.leftMargin: 34
        text: qsTr("Slides share the music's length, at least 3 seconds each.")
        color: Theme.textMuted
        font.pixelSize: Theme.captionSize
        wrapMode: Text.Wrap
    }
    RadioButton {
        objectName: "durationFixed"
        text: qsTr("Fixed Duration")
        checked: project.isDurationFixed
        onClicked: project.isDurationFixed = true
    }
    RowLayout {
        Layout.leftMargin: 34
        spacing: Theme.gap
        enabled: project.isDurationFixed
        SpinBox {
            objectName: "durationSpin"
            from: 1
            to: 6000
            value: project.fixedSlideDuration
            onValueModified: project.fixedSlideDuration = value
        }
        Label { text: qsTr("seconds per slide"); color: Theme.textMuted }
    }
    Rectangle { Layout.fillWidth: true; Layout.topMargin: Theme.gap; height: 1; color: Theme.line }
    CheckBox {
        objectName: "durationBeat"
        text: qsTr("Change slides on the beat")
        checked: project.beatSync
        onClicked: project.beatSync = checked
    }
    Label {
        Layout.fillWidth: true
        Layout.leftMargin: 34
        text: project.isDurationFixed
              ? qsTr("The duration is rounded to a whole number of beats.")
              : qsTr("Each slide ends on a beat of its song, on a bar line when slides are long enough.")
        color: Theme.textMuted
        font.pixelSize: Theme.captionSize
        wrapMode: Text.Wrap
    }
    RowLayout {
        Layout.leftMargin: 34
        Layout.fillWidth: true
        spacing: Theme.gap
        visible: project.beatSync && (project.musicReading || project.beatNotice !== "")
        BusyIndicator {
            visible: project.musicReading
            running: visible
            implicitWidth: 18
            implicitHeight: 18
        }
        Label {
            objectName: "durationBeatNotice"
            Layout.fillWidth: true
            text: project.musicReading ? qsTr("Listening for the beat…") : project.beatNotice
            color: project.musicReading ? Theme.textMuted : Theme.danger
            font.pixelSize: Theme.captionSize
            wrapMode: Text.Wrap
        }
    }
    buttons: [
        Button {
            objectName: "durationCancel"
            text: qsTr("Cancel")
            onClicked: {
                history.undoTo(popup.openedStep)
                popup.close()
            }
        },
        BButton { objectName: "durationClose"; text: qsTr("OK"); onClicked: popup.close() }
    ]
}
