import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// How long each slide shows: stretched to the music, or a fixed number of seconds.
BasePopup {
    id: popup
    title: qsTr("Slide Duration Settings")
    // The choices take effect at once, so the preview shows them; Cancel puts these back.
    property bool openedFixed: false
    property int openedDuration: 1
    onAboutToShow: { openedFixed = project.isDurationFixed; openedDuration = project.fixedSlideDuration }

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
    buttons: [
        Button {
            objectName: "durationCancel"
            text: qsTr("Cancel")
            onClicked: {
                if (project.fixedSlideDuration !== popup.openedDuration)
                    project.fixedSlideDuration = popup.openedDuration
                if (project.isDurationFixed !== popup.openedFixed)
                    project.isDurationFixed = popup.openedFixed
                popup.close()
            }
        },
        BButton { objectName: "durationClose"; text: qsTr("OK"); onClicked: popup.close() }
    ]
}
