import QtQuick
import QtQuick.Controls
import BTStyle

// A card of the choice screens: the picture first, the name under it, accent outline and a
// check mark when chosen.
AbstractButton {
    id: card
    property string source: ""
    property color swatch: "transparent"
    property string caption: ""
    property bool selected: false
    property real aspect: 16 / 9
    default property alias overlay: overlayItem.data
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    implicitWidth: 220
    implicitHeight: picture.height + (caption !== "" ? 36 : 0)
    Accessible.name: caption

    contentItem: Item {
        Rectangle {
            id: picture
            width: parent.width
            height: Math.round(width / card.aspect)
            radius: Theme.radius
            color: card.swatch.a > 0 ? card.swatch : Theme.sunken
            clip: true
            Image {
                anchors.fill: parent
                source: card.source
                fillMode: Image.PreserveAspectCrop
                asynchronous: true
                sourceSize.width: 480
                visible: card.source !== ""
            }
            Item { id: overlayItem; anchors.fill: parent }
        }
        Label {
            anchors.top: picture.bottom
            anchors.topMargin: 8
            width: parent.width
            text: card.caption
            visible: card.caption !== ""
            elide: Text.ElideRight
            font.weight: card.selected ? Font.DemiBold : Font.Normal
            color: card.selected ? Theme.accent : Theme.text
        }
        Rectangle {
            width: picture.width
            height: picture.height
            radius: Theme.radius
            color: "transparent"
            border.width: card.selected ? 3 : card.hovered ? 2 : 1
            border.color: card.selected ? Theme.accent : card.hovered ? Theme.lineStrong : Theme.edge
            Behavior on border.width { NumberAnimation { duration: Theme.fast } }
            FocusRing { shown: card.visualFocus }
        }
        Rectangle {
            visible: card.selected
            x: picture.width - width - 8
            y: 8
            width: 24
            height: 24
            radius: 12
            color: Theme.accent
            Label {
                anchors.centerIn: parent
                text: "\u2713"
                color: Theme.textOnAccent
                font.weight: Font.Bold
            }
        }
    }
    scale: card.down ? 0.98 : 1
    Behavior on scale { NumberAnimation { duration: Theme.fast } }
}
