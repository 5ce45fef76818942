import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// One cell of the slide grid: a photo, a text slide or the separator where the music ends.
Item {
    id: card
    property int kind: 2
    property string imgId: ""
    property string slideText: ""
    property int rotation90: 0
    property int durationType: 1
    // Seconds the slide lasts in the video: its own, or its share of the music.
    property real length: 0
    property real ownDuration: 0

    // Whole seconds as they are, others to a tenth, so the labels add up to the video's length.
    function secondsText(seconds) {
        var tenths = Math.round(seconds * 10)
        return tenths % 10 === 0 ? String(tenths / 10) : Number(tenths / 10).toLocaleString(Qt.locale(), 'f', 1)
    }
    property int number: 0
    property bool selected: false
    property bool excluded: false
    property bool dragging: false
    // A photo that was not there when the project opened: a placeholder until it is located.
    property bool missing: false
    property bool unreadable: false
    // Missing or unreadable: in its place, but out of the video.
    readonly property bool leftOut: missing || unreadable
    property string fileName: ""
    property string path: ""
    readonly property bool hovered: hover.hovered
    // Whether the slide's buttons are shown; the grid shows them on one slide only.
    property bool showActions: hovered
    // The pointer moved over the slide (also when a popup left its hover state stale), to
    // scenePosition in the window.
    signal pointerMoved(point scenePosition)
    signal pressed(var mouse)
    signal rotateLeft()
    signal rotateRight()
    signal remove()
    signal editDuration()
    signal editText()
    signal locate()

    HoverHandler {
        id: hover
        onPointChanged: if (hovered) card.pointerMoved(point.scenePosition)
        onHoveredChanged: if (hovered) card.pointerMoved(point.scenePosition)
    }

    // The separator: where the music ends. Made only in its own cell: every photo cell would
    // otherwise carry a hidden icon canvas and label, and a grid of hundreds fills in slowly.
    Loader {
        anchors.fill: parent
        anchors.margins: 6
        active: card.kind === 1
        sourceComponent: Rectangle {
            radius: Theme.radius
            color: Theme.dangerSoft
            border.color: Theme.dangerLine
            Column {
                anchors.centerIn: parent
                width: parent.width - 24
                spacing: 6
                Icon { anchors.horizontalCenter: parent.horizontalCenter; name: "music"; color: Theme.danger }
                Label {
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    text: qsTr("The music ends here")
                    color: Theme.danger
                    font.pixelSize: Theme.captionSize
                    font.weight: Font.DemiBold
                    wrapMode: Text.Wrap
                }
            }
        }
    }

    Item {
        id: tile
        visible: card.kind !== 1
        anchors.fill: parent
        anchors.margins: 6
        opacity: card.dragging ? 0.35 : card.excluded ? 0.5 : 1

        Rectangle {
            id: frame
            anchors.fill: parent
            radius: Theme.radius
            color: card.kind === 3 ? Theme.darkRaised : card.leftOut ? Theme.dangerSoft : Theme.sunken
            border.color: Theme.dangerLine
            border.width: card.leftOut ? 1 : 0
            clip: true

            Image {
                id: photo
                visible: card.kind === 2 && !card.leftOut
                anchors.centerIn: parent
                width: parent.width
                height: parent.height
                rotation: card.rotation90 * 90
                source: card.kind === 2 && !card.leftOut && card.imgId !== "" ? "image://ImageProvider/" + card.imgId : ""
                fillMode: Image.PreserveAspectCrop
                asynchronous: true
                cache: false
                smooth: true
            }
            Loader {
                anchors.centerIn: parent
                width: parent.width - 20
                active: card.leftOut
                sourceComponent: Column {
                    objectName: "missingPlaceholder"
                    spacing: 4
                    HoverHandler { id: placeholderHover }
                    ToolTip.visible: placeholderHover.hovered
                    ToolTip.text: card.path
                    ToolTip.delay: 500
                    Icon { anchors.horizontalCenter: parent.horizontalCenter; name: "warning"; color: Theme.danger }
                    Label {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: card.missing ? qsTr("Missing") : qsTr("Cannot be read")
                        color: Theme.danger
                        font.pixelSize: Theme.captionSize
                        font.weight: Font.DemiBold
                    }
                    Label {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: card.fileName
                        color: Theme.textMuted
                        font.pixelSize: Theme.captionSize
                        elide: Text.ElideMiddle
                    }
                }
            }
            Loader {
                anchors.fill: parent
                anchors.margins: 14
                active: card.kind === 3
                sourceComponent: Label {
                    text: card.slideText
                    color: Theme.textOnDark
                    font.pixelSize: Theme.sectionSize
                    font.weight: Font.DemiBold
                    wrapMode: Text.Wrap
                    elide: Text.ElideRight
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
            }
        }
        // Slide number and duration.
        Rectangle {
            x: 6; y: 6
            height: 22
            width: info.implicitWidth + 12
            radius: 11
            color: Theme.badge
            Label {
                id: info
                anchors.centerIn: parent
                text: card.number + (card.kind === 3 ? "  T" : "")
                color: Theme.textOnDark
                font.pixelSize: Theme.captionSize
                font.weight: Font.DemiBold
            }
        }
        Rectangle {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 6
            height: 22
            width: durationLabel.implicitWidth + 12
            radius: 11
            // A missing or unreadable photo takes no time in the video.
            visible: !card.leftOut
            color: card.durationType === 2 ? Theme.accent : Theme.badge
            Label {
                id: durationLabel
                anchors.centerIn: parent
                text: qsTr("%1 s").arg(card.secondsText(card.length))
                color: Theme.textOnDark
                font.pixelSize: Theme.captionSize
            }
        }
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            radius: Theme.radius + 3
            color: "transparent"
            border.width: 3
            border.color: Theme.accent
            visible: card.selected
        }
        // Actions on hover, made only then: a grid of hundreds of slides stays light.
        Loader {
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 4
            active: card.showActions && !card.dragging
            sourceComponent: Row {
                spacing: 2
                SlideAction {
                    objectName: "slideLocate"
                    visible: card.missing
                    iconName: "folder"; tip: qsTr("Locate\u2026")
                    onClicked: card.locate()
                }
                SlideAction {
                    objectName: "slideRotateLeft"
                    visible: card.kind === 2 && !card.leftOut
                    iconName: "rotl"; tip: qsTr("Rotate left")
                    onClicked: card.rotateLeft()
                }
                SlideAction {
                    objectName: "slideRotateRight"
                    visible: card.kind === 2 && !card.leftOut
                    iconName: "rotr"; tip: qsTr("Rotate right")
                    onClicked: card.rotateRight()
                }
                SlideAction {
                    objectName: "slideEditText"
                    visible: card.kind === 3
                    iconName: "edit"; tip: qsTr("Edit Slide Text")
                    onClicked: card.editText()
                }
                SlideAction {
                    objectName: "slideDuration"
                    iconName: "clock"; tip: qsTr("Duration Settings")
                    onClicked: card.editDuration()
                }
                SlideAction {
                    objectName: "slideRemove"
                    iconName: "trash"; tip: qsTr("Remove")
                    onClicked: card.remove()
                }
            }
        }
    }
}
