import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A stepped slider with the name of the chosen level beside it (style levels 0-4).
RowLayout {
    id: root
    property alias value: slider.value
    property alias from: slider.from
    property alias to: slider.to
    property alias slider: slider
    readonly property alias pressed: slider.pressed
    property string valueText: ""
    signal moved()
    spacing: Theme.gap

    Slider {
        id: slider
        objectName: root.objectName + "Slider"
        Layout.fillWidth: true
        stepSize: 1
        snapMode: Slider.SnapAlways
        onMoved: root.moved()
    }
    Label {
        Layout.preferredWidth: 96
        text: root.valueText
        color: Theme.textMuted
        elide: Text.ElideRight
    }
}
