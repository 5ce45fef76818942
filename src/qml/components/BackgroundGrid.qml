import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// One tab of backgrounds as cards; the custom tab starts with an "add" card.
GridView {
    id: grid
    property string selectedId: ""
    property bool showAdd: false
    signal chosen(string id)
    signal addClicked()
    signal removeClicked(string id)

    readonly property int columns: Math.max(2, Math.floor((width - 2 * Theme.margin) / 240))
    // Each card leaves its gap on its right: the last one's gap is part of the right margin.
    leftMargin: Theme.margin
    rightMargin: Theme.margin - Theme.gapLarge
    topMargin: Theme.margin
    bottomMargin: Theme.margin
    cellWidth: Math.floor((width - 2 * Theme.margin + Theme.gapLarge) / columns)
    cellHeight: Math.round((cellWidth - Theme.gapLarge) * 9 / 16) + Theme.gapLarge
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { }

    header: Item {
        width: grid.width - 2 * Theme.margin
        height: grid.showAdd ? addButton.height + Theme.gapLarge : 0
        visible: grid.showAdd
        Button {
            id: addButton
            objectName: "addCustomBackground"
            text: qsTr("Add Custom Background Image")
            onClicked: grid.addClicked()
        }
    }

    delegate: Item {
        width: grid.cellWidth
        height: grid.cellHeight
        ChoiceCard {
            id: card
            objectName: "bg_" + modelData.id
            width: parent.width - Theme.gapLarge
            swatch: modelData.color !== undefined ? modelData.color : "transparent"
            // A user's own picture shows its guarded thumbnail only: the file itself may be
            // too large to decode.
            source: modelData.thumbPath !== undefined ? modelData.thumbPath
                    : modelData.thumbId ? "image://ImageProvider/" + modelData.thumbId : ""
            selected: grid.selectedId === modelData.id
            onClicked: grid.chosen(modelData.id)
            Rectangle {
                visible: modelData.fontColor !== undefined || modelData.color !== undefined
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                anchors.margins: Theme.gap
                width: 32; height: 32; radius: 6
                color: "transparent"
                Label {
                    anchors.centerIn: parent
                    text: "Aa"
                    font.pixelSize: Theme.sectionSize
                    font.weight: Font.DemiBold
                    color: modelData.fontColor !== undefined ? modelData.fontColor
                           : modelData.color === undefined ? "white"
                           : (modelData.color.r * 0.3 + modelData.color.g * 0.59 + modelData.color.b * 0.11 > 0.6 ? Theme.text : Theme.textOnDark)
                }
            }
            SlideAction {
                visible: grid.showAdd && (card.hovered || hovered)
                objectName: "removeCustom_" + index
                anchors.left: parent.left
                anchors.top: parent.top
                anchors.margins: Theme.gap
                iconName: "trash"
                tip: qsTr("Remove")
                implicitWidth: 32
                implicitHeight: 32
                onClicked: grid.removeClicked(modelData.id)
            }
        }
    }
    Label {
        anchors.centerIn: parent
        width: Math.min(parent.width - 2 * Theme.margin, 420)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        visible: grid.count === 0
        text: grid.showAdd ? qsTr("Use a photo of your own as the background of the whole video.")
                           : qsTr("Nothing here yet")
        color: Theme.textMuted
    }
}
