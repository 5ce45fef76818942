import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle
import "../components"

// "Style Settings": border, shadows, font and colours, with the two previews beside them.
Page {
    id: screen
    objectName: "styleScreen"
    readonly property var style: appWindow.styleSettingsPres
    readonly property var previews: appWindow.thumbsPres
    readonly property var weights: [0, 12, 25, 50, 57, 63, 75, 81, 87]
    readonly property var swatches: ["#ffffff", "#f2e8d5", "#c9ced6", "#d4a017", "#b5524a", "#3f6e5a", "#2b4c7e", "#1b1e23"]

    function goBack() {
        if (appWindow.autosavePres)
            appWindow.autosavePres.flush()
        StackView.view.pop()
    }
    function done() {
        if (appWindow.autosavePres)
            appWindow.autosavePres.flush()
        StackView.view.showSettings()
    }
    function refresh() { regen.restart() }

    header: ScreenHeader {
        title: qsTr("Style Settings")
        step: 2
        onBackClicked: screen.goBack()
        BButton { objectName: "styleDoneButton"; text: qsTr("Done"); onClicked: screen.done() }
    }

    // Style changes come in bursts while a slider moves: one preview per pause.
    Timer {
        id: regen
        interval: 80
        onTriggered: {
            if (!screen.previews)
                return
            if (tabs.currentIndex === 0)
                screen.previews.genImgStyleThumb()
            else
                screen.previews.genTextStyleThumb()
        }
    }
    Connections {
        target: screen.style
        ignoreUnknownSignals: true
        function onBorderSizeChanged() { screen.refresh() }
        function onImgShadowBlurChanged() { screen.refresh() }
        function onTextShadowBlurChanged() { screen.refresh() }
        function onBorderColorChanged() { screen.refresh() }
        function onFontColorChanged() { screen.refresh() }
        function onThemeIdChanged() { screen.refresh() }
        function onBgIdChanged() { screen.refresh() }
        function onFontFamilyChanged() { screen.refresh() }
        function onFontWeightChanged() { screen.refresh() }
    }

    RowLayout {
        anchors.fill: parent
        anchors.margins: Theme.margin
        spacing: Theme.margin

        Pane {
            Layout.preferredWidth: Math.max(320, Math.min(400, screen.width * 0.32))
            Layout.fillHeight: true
            padding: Theme.gapLarge
            ColumnLayout {
                anchors.fill: parent
                spacing: Theme.gapLarge
                TabBar {
                    id: tabs
                    objectName: "styleTabs"
                    Layout.fillWidth: true
                    currentIndex: project.hasTextSlide ? 1 : 0
                    onCurrentIndexChanged: screen.refresh()
                    TabButton { objectName: "tabPhotoSlide"; text: qsTr("Photo Slide") }
                    TabButton { objectName: "tabTextSlide"; text: qsTr("Text Slide") }
                }
                StackLayout {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    currentIndex: tabs.currentIndex
                    ColumnLayout {
                        spacing: Theme.gap
                        Label { text: qsTr("Border Size"); font.weight: Font.DemiBold }
                        CustomSlider {
                            objectName: "borderSize"
                            Layout.fillWidth: true
                            from: 0; to: 4
                            value: screen.style ? screen.style.borderSize : 0
                            valueText: appWindow.borderSizeName(Math.round(value))
                            onMoved: screen.style.borderSize = Math.round(value)
                            // One drag is one step of the history.
                            onPressedChanged: if (!pressed) history.closeMerging()
                        }
                        RowLayout {
                            Layout.topMargin: Theme.gap
                            Label { text: qsTr("Border Color"); font.weight: Font.DemiBold; Layout.fillWidth: true }
                            Button {
                                objectName: "themeBorderColor"
                                flat: true
                                visible: screen.style ? screen.style.hasOwnBorderColor : false
                                text: qsTr("Theme's color")
                                onClicked: screen.style.useThemeBorderColor()
                            }
                        }
                        ColorSwatches {
                            objectName: "borderColor"
                            Layout.fillWidth: true
                            colors: screen.swatches
                            current: screen.style ? screen.style.borderColor : "white"
                            onPicked: (color) => screen.style.borderColor = color
                        }
                        Label { text: qsTr("Shadow Blur"); font.weight: Font.DemiBold; Layout.topMargin: Theme.gap }
                        CustomSlider {
                            objectName: "imgShadowBlur"
                            Layout.fillWidth: true
                            from: 0; to: 4
                            value: screen.style ? screen.style.imgShadowBlur : 0
                            valueText: appWindow.shadowName(Math.round(value))
                            onMoved: screen.style.imgShadowBlur = Math.round(value)
                            // One drag is one step of the history.
                            onPressedChanged: if (!pressed) history.closeMerging()
                        }
                        Item { Layout.fillHeight: true }
                    }
                    ColumnLayout {
                        spacing: Theme.gap
                        Label { text: qsTr("Font"); font.weight: Font.DemiBold }
                        ComboBox {
                            id: fontFamily
                            objectName: "fontFamily"
                            Layout.fillWidth: true
                            model: fonts.families
                            readonly property string shownFamily: screen.style ? fonts.familyName(screen.style.fontFamily) : ""
                            currentIndex: fonts.families.indexOf(shownFamily)
                            displayText: shownFamily
                            font.family: shownFamily
                            onActivated: (index) => screen.style.fontFamily = textAt(index)
                            // Each family drawn in its own typeface.
                            delegate: MenuItem {
                                width: ListView.view.width
                                text: modelData
                                font.family: modelData
                                highlighted: fontFamily.highlightedIndex === index
                            }
                        }
                        Label { text: qsTr("Font Weight"); font.weight: Font.DemiBold; Layout.topMargin: Theme.gap }
                        ComboBox {
                            objectName: "fontWeight"
                            Layout.fillWidth: true
                            model: screen.weights.map(function(w) { return appWindow.fontWeightName(w) })
                            currentIndex: screen.style ? screen.weights.indexOf(screen.style.fontWeight) : 3
                            onActivated: (index) => screen.style.fontWeight = screen.weights[index]
                        }
                        RowLayout {
                            Layout.topMargin: Theme.gap
                            Label { text: qsTr("Text Color"); font.weight: Font.DemiBold; Layout.fillWidth: true }
                            Button {
                                objectName: "backgroundFontColor"
                                flat: true
                                visible: screen.style ? screen.style.hasOwnFontColor : false
                                text: qsTr("Background's color")
                                onClicked: screen.style.useBackgroundFontColor()
                            }
                        }
                        ColorSwatches {
                            objectName: "fontColor"
                            Layout.fillWidth: true
                            colors: screen.swatches
                            current: screen.style ? screen.style.fontColor : "white"
                            onPicked: (color) => screen.style.fontColor = color
                        }
                        Label { text: qsTr("Text Shadow Blur"); font.weight: Font.DemiBold; Layout.topMargin: Theme.gap }
                        CustomSlider {
                            objectName: "textShadowBlur"
                            Layout.fillWidth: true
                            from: 0; to: 4
                            value: screen.style ? screen.style.textShadowBlur : 0
                            valueText: appWindow.shadowName(Math.round(value))
                            onMoved: screen.style.textShadowBlur = Math.round(value)
                            // One drag is one step of the history.
                            onPressedChanged: if (!pressed) history.closeMerging()
                        }
                        Item { Layout.fillHeight: true }
                    }
                }
            }
        }

        // The sample slide of the open tab above, the whole slideshow with these choices below;
        // sized from the space left, never from their own content.
        Item {
            id: previews
            Layout.fillWidth: true
            Layout.fillHeight: true
            readonly property real pictureWidth: Math.min(width, (height - Theme.controlHeight - Theme.captionSize
                                                                  - 3 * Theme.gap - 2 * Theme.gapLarge) / 2 * 16 / 9)
            Column {
                anchors.centerIn: parent
                width: previews.pictureWidth
                spacing: Theme.gap
                PictureFrame {
                    id: previewFrame
                    objectName: "stylePreview"
                    width: parent.width
                    height: Math.round(width * 9 / 16)
                    imageId: !screen.previews ? ""
                             : tabs.currentIndex === 0 ? screen.previews.imgStyleThumb : screen.previews.textStyleThumb
                    busyWhileEmpty: true
                }
                Label {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("Preview")
                    color: Theme.textMuted
                    font.pixelSize: Theme.captionSize
                }
                Item { width: 1; height: Theme.gapLarge }
                PreviewPanel {
                    objectName: "stylePreviewPanel"
                    width: parent.width
                }
            }
        }
    }

    Component.onCompleted: refresh()
}
