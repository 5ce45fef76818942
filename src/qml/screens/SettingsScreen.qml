import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle
import "../components"

// "Video Settings": resolution and result folder, then MAKE VIDEO.
Page {
    id: screen
    objectName: "settingsScreen"
    readonly property var output: appWindow.settingsPres
    readonly property int resolution: output ? output.resolution : 1
    readonly property var qualities: [qsTr("HD (1280x720)"), qsTr("Full HD (1920x1080)"), qsTr("4K (3840x2160)")]

    function goBack() { StackView.view.pop() }
    function makeVideo() {
        var bgs = appWindow.backgroundsPres, style = appWindow.styleSettingsPres
        if (bgs && style)
            bgs.selectionDone(style.bgId)
        if (bgs && bgs.isDownloading)
            StackView.view.showDownloading()
        else
            StackView.view.startRender()
    }
    function chooseFolder() {
        output.mkSaveDir()
        folderDialog.start()
    }
    function folderChosen(url) {
        var path = decodeURIComponent(url.toString().replace(/^file:\/\//, ""))
        if (output.checkSaveDirPermission(path))
            output.saveDir = path
    }

    header: ScreenHeader {
        title: qsTr("Video Settings")
        step: 3
        onBackClicked: screen.goBack()
        BButton {
            objectName: "makeVideoButton"
            text: qsTr("MAKE VIDEO")
            enabled: project.slidesNumber !== 0 && !!appWindow.renderPres
            onClicked: screen.makeVideo()
        }
    }

    Flickable {
        anchors.fill: parent
        contentHeight: Math.max(column.implicitHeight, previewPane.implicitHeight) + 2 * Theme.margin
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar { }

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.margin
            width: Math.min(560, (screen.width - 3 * Theme.margin) * 0.45)
            spacing: Theme.margin

            GroupBox {
                title: qsTr("Video Quality")
                Layout.fillWidth: true
                ColumnLayout {
                    anchors.fill: parent
                    spacing: 2
                    Repeater {
                        model: screen.qualities
                        RadioButton {
                            objectName: "quality" + index
                            text: modelData
                            checked: screen.resolution === index
                            onClicked: if (screen.output) screen.output.resolution = index
                        }
                    }
                }
            }
            GroupBox {
                title: qsTr("Result Directory")
                Layout.fillWidth: true
                RowLayout {
                    anchors.fill: parent
                    spacing: Theme.gapLarge
                    Icon { name: "folder"; color: Theme.textMuted }
                    Label {
                        objectName: "saveDirLabel"
                        Layout.fillWidth: true
                        text: screen.output ? screen.output.saveDir : ""
                        elide: Text.ElideMiddle
                    }
                    Button {
                        objectName: "changeSaveDir"
                        text: qsTr("Change")
                        enabled: !!screen.output
                        onClicked: screen.chooseFolder()
                    }
                }
            }
            Pane {
                Layout.fillWidth: true
                background: Rectangle { radius: Theme.radius; color: Theme.accentSoft }
                RowLayout {
                    anchors.fill: parent
                    spacing: Theme.gapLarge
                    // Plays the slideshow in the preview beside, from its start.
                    IconButton {
                        objectName: "settingsPlay"
                        iconName: "play"
                        tint: Theme.accent
                        tip: qsTr("Play")
                        enabled: project.videoSlidesNumber > 0
                        onClicked: { preview.seek(0); preview.play() }
                    }
                    Label {
                        Layout.fillWidth: true
                        wrapMode: Text.Wrap
                        text: appWindow.slidesText(project.videoSlidesNumber) + "  \u00b7  "
                              + qsTr("video length %1").arg(project.timelineText.trim())
                    }
                }
            }
        }

        // Beside the settings, the slideshow they will make.
        Pane {
            id: previewPane
            x: column.x + column.width + Theme.margin
            y: Theme.margin
            width: screen.width - x - Theme.margin
            PreviewPanel {
                objectName: "settingsPreviewPanel"
                anchors.fill: parent
                titled: true
            }
        }
    }

    StartFolderChooser {
        id: folderDialog
        objectName: "resultFolderDialog"
        kind: "result"
        title: qsTr("Result Directory")
        onAccepted: screen.folderChosen(selectedFolder)
    }
}
