import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// One slide's own duration, or back to the project's.
BasePopup {
    id: popup
    property int row: -1
    property int number: 0 // the slide's number as its card shows it
    title: qsTr("Duration Settings")

    function openFor(index, durationType, duration, shownNumber) {
        row = index
        number = shownNumber === undefined ? index + 1 : shownNumber
        custom.checked = durationType === 2
        reset.checked = durationType !== 2
        spin.value = durationType === 2 ? Math.max(1, Math.round(duration)) : Math.max(1, project.slideDuration)
        open()
    }
    function apply() {
        if (custom.checked)
            project.setSlideDuration(row, 2, spin.value)
        else
            project.setSlideDuration(row, 1, 0)
        close()
    }

    Label {
        objectName: "slideDurationFor"
        Layout.fillWidth: true
        text: qsTr("Slide %1").arg(popup.number)
        color: Theme.textMuted
        font.weight: Font.DemiBold
    }
    RadioButton { id: reset; objectName: "slideDurationReset"; text: qsTr("Reset Duration to Default") }
    RadioButton { id: custom; objectName: "slideDurationCustom"; text: qsTr("Set Custom Duration") }
    RowLayout {
        Layout.leftMargin: 34
        enabled: custom.checked
        spacing: Theme.gap
        SpinBox { id: spin; objectName: "slideDurationSpin"; from: 1; to: 6000 }
        Label { text: qsTr("seconds"); color: Theme.textMuted }
    }
    buttons: [
        Button { text: qsTr("Cancel"); onClicked: popup.close() },
        BButton { objectName: "slideDurationOk"; text: qsTr("OK"); onClicked: popup.apply() }
    ]
}
