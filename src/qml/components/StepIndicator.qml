import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// Theme → Background → Style → Settings: where the user is on the way to the video.
RowLayout {
    id: root
    property int current: 0
    readonly property var names: [qsTr("Theme"), qsTr("Background"), qsTr("Style"), qsTr("Settings")]
    spacing: 6
    clip: true

    Repeater {
        model: root.names
        RowLayout {
            spacing: 6
            Rectangle {
                width: 22
                height: 22
                radius: 11
                color: index <= root.current ? Theme.accent : Theme.sunken
                Label {
                    anchors.centerIn: parent
                    text: index < root.current ? "\u2713" : (index + 1)
                    font.pixelSize: Theme.captionSize
                    font.weight: Font.DemiBold
                    color: index <= root.current ? Theme.textOnAccent : Theme.textMuted
                }
            }
            Label {
                text: modelData
                font.pixelSize: Theme.captionSize
                font.weight: index === root.current ? Font.DemiBold : Font.Normal
                color: index === root.current ? Theme.text : Theme.textMuted
                elide: Text.ElideRight
                Layout.maximumWidth: 110
            }
            Rectangle {
                visible: index < root.names.length - 1
                width: 20
                height: 1
                color: Theme.lineStrong
            }
        }
    }
}
