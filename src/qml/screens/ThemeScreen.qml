import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle
import "../components"

// "Select Animation": the installed themes as cards.
Page {
    id: screen
    objectName: "themeScreen"
    readonly property var style: appWindow.styleSettingsPres
    readonly property int themeId: style ? style.themeId : 1
    readonly property var themes: [
        { themeId: 1, name: qsTr("Smooth") },
        { themeId: 2, name: qsTr("Carousel") },
        { themeId: 3, name: qsTr("Flying") },
        { themeId: 4, name: qsTr("Flow") },
        { themeId: 5, name: qsTr("Fade in Fade out") },
        { themeId: 6, name: qsTr("Roller") },
        { themeId: 7, name: qsTr("Pan and Zoom") },
        { themeId: 8, name: qsTr("Parallax") }
    ]

    function goBack() { StackView.view.pop() }
    function choose(id) {
        if (style)
            style.themeId = id
    }
    function done() {
        if (style)
            style.themeSelected()
        StackView.view.showBackground()
    }

    header: ScreenHeader {
        title: qsTr("Select Animation")
        step: 0
        onBackClicked: screen.goBack()
        BButton { objectName: "themeDoneButton"; text: qsTr("Done"); onClicked: screen.done() }
    }

    GridView {
        id: grid
        objectName: "themeGrid"
        anchors.fill: parent
        anchors.rightMargin: themeSlideshow.width
        readonly property int columns: Math.max(2, Math.floor((width - 2 * Theme.margin) / 280))
        // Each card leaves its gap on its right: the last one's gap is part of the right margin.
        leftMargin: Theme.margin
        rightMargin: 0
        topMargin: Theme.margin
        bottomMargin: Theme.margin
        cellWidth: Math.floor((width - Theme.margin) / columns)
        cellHeight: Math.round((cellWidth - Theme.margin) * 9 / 16) + 48 + Theme.margin
        clip: true
        model: screen.themes
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { }
        delegate: Item {
            width: grid.cellWidth
            height: grid.cellHeight
            ChoiceCard {
                id: card
                objectName: "theme" + modelData.themeId
                width: parent.width - Theme.margin
                source: "qrc:/assets/images/templates/" + modelData.themeId + "/thumb.jpg"
                caption: modelData.name
                selected: screen.themeId === modelData.themeId
                onClicked: screen.choose(modelData.themeId)
                onDoubleClicked: { screen.choose(modelData.themeId); screen.done() }
                Button {
                    objectName: "themePreview" + modelData.themeId
                    anchors.left: parent.left
                    anchors.bottom: parent.bottom
                    anchors.margins: Theme.gap
                    text: qsTr("Preview")
                    opacity: card.hovered || hovered || visualFocus ? 1 : 0
                    Behavior on opacity { NumberAnimation { duration: Theme.fast } }
                    onClicked: themePreview.show(modelData.themeId, modelData.name)
                }
            }
        }
    }

    // The slideshow in the chosen theme, so a change shows while it plays.
    Rectangle {
        id: themeSlideshow
        anchors { top: parent.top; bottom: parent.bottom; right: parent.right }
        width: Math.round(Math.max(320, Math.min(460, screen.width * 0.32)))
        color: Theme.surface
        Rectangle { width: 1; height: parent.height; color: Theme.line }
        PreviewPanel {
            objectName: "themePreviewPanel"
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.gapLarge }
            titled: true
        }
    }

    ThemePreviewPopup {
        id: themePreview
        objectName: "themePreviewPopup"
        onUseTheme: (themeId) => screen.choose(themeId)
    }
}
