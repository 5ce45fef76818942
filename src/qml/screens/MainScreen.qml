import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle
import "../components"

// The project: tool bar, slide grid (or the empty drop target), timeline of slides against music.
Page {
    id: screen
    objectName: "mainScreen"
    readonly property bool active: StackView.status === StackView.Active
    // The tool bar's labels as the room allows: the four add actions keep theirs longest.
    readonly property bool compact: !toolLabels.others
    readonly property bool compactAdd: !toolLabels.add
    readonly property bool empty: project.slidesNumber === 0
    readonly property var imageExtensions: ["jpg", "jpeg", "png", "gif"]
    readonly property var audioExtensions: ["mp3", "m4a"] // compared in lower case

    function saveProject() { project.save() }
    // The open project's edits are written before another takes its place.
    function newProject() {
        if (appWindow.autosavePres) {
            appWindow.autosavePres.newProject()
            return
        }
        project.reset()
        if (appWindow.styleSettingsPres)
            appWindow.styleSettingsPres.reset()
    }
    function openProject(index) {
        if (appWindow.autosavePres) {
            appWindow.autosavePres.openProject(index)
            return
        }
        if (appWindow.styleSettingsPres)
            appWindow.styleSettingsPres.load(index)
        project.loadPrj(index)
    }
    // Space pauses a playing preview, else plays from the selected slide (or from where it was).
    function playFrom(row, byKey) {
        if (byKey && preview.playing)
            preview.pause()
        else if (row >= 0)
            preview.playFromSlide(row)
        else
            preview.play()
    }
    function editAudio() { project.audioFilesCount > 0 ? audioPopup.open() : audioDialog.start() }
    function done() {
        if (appWindow.autosavePres)
            appWindow.autosavePres.flush()
        screen.StackView.view.showTheme()
    }
    function removeRows(rows) {
        rows = rows.filter(function(r) { return !(grid.hasSeparator && r === project.usedSlidesNumber) })
        if (rows.length === 0)
            return
        if (appSettings.contains("removeSlideDlgDontShowAgain")) {
            removeNow(rows)
        } else {
            removeConfirm.rows = rows
            removeConfirm.open()
        }
    }
    function removeNow(rows) {
        project.removeSlides(rows)
        grid.clearSelection()
    }
    function extensionOf(url) {
        var name = url.toString().toLowerCase()
        var slash = name.lastIndexOf("/"), dot = name.lastIndexOf(".")
        return dot > slash ? name.substring(dot + 1) : ""
    }
    // Files dropped from the file manager go where the matching tool-bar action would put them.
    function addDropped(urls) {
        var images = [], audio = [], folders = []
        for (var i = 0; i < urls.length; ++i) {
            var ext = extensionOf(urls[i])
            if (imageExtensions.indexOf(ext) >= 0)
                images.push(urls[i])
            else if (audioExtensions.indexOf(ext) >= 0)
                audio.push(urls[i])
            else if (ext === "")
                folders.push(urls[i])
        }
        if (images.length)
            project.addImages(images)
        if (folders.length)
            project.addImagesFolder(folders)
        if (audio.length)
            project.addAudio(audio)
    }

    // Which labels fit: all, the add actions' alone, or none.
    readonly property var toolLabels: {
        var sum = function(actions, labelled) {
            var w = 0
            for (var i = 0; i < actions.length; ++i)
                w += labelled ? actions[i].labelledWidth : actions[i].iconOnlyWidth
            return w
        }
        var add = [addImagesButton, addFolderButton, addTextButton, addAudioButton]
        var others = [durationButton, recentButton, saveButton, newButton]
        var fixed = 2 * toolSeparator.implicitWidth + undoButton.implicitWidth + redoButton.implicitWidth + tipsButton.implicitWidth + doneHolder.implicitWidth
                    + 16 * toolRow.spacing + Theme.gap + Theme.gapLarge
        var room = toolRow.width - fixed - sum(add, true)
        // Without the other labels the save mark shows its icon alone.
        return { add: room - saveStateMark.iconOnlyWidth >= sum(others, false),
                 others: room - saveStateMark.labelledWidth >= sum(others, true) }
    }

    header: ToolBar {
        RowLayout {
            id: toolRow
            anchors.fill: parent
            spacing: 2
            ToolAction { id: addImagesButton; objectName: "addImagesButton"; iconName: "image"; text: qsTr("Add Images"); compact: screen.compactAdd; onClicked: imagesDialog.start() }
            ToolAction { id: addFolderButton; objectName: "addFolderButton"; iconName: "folder"; text: qsTr("Add Folder with Images"); compact: screen.compactAdd; onClicked: folderDialog.start() }
            ToolAction { id: addTextButton; objectName: "addTextButton"; iconName: "text"; text: qsTr("Add Text Slide"); compact: screen.compactAdd; onClicked: textPopup.openNew() }
            ToolAction {
                id: addAudioButton
                objectName: "addAudioButton"
                iconName: "music"
                text: project.audioFilesCount > 0 ? qsTr("Edit Audio") : qsTr("Add Audio")
                compact: screen.compactAdd
                attention: project.audioFilesCount > 0
                onClicked: screen.editAudio()
            }
            ToolSeparator { id: toolSeparator }
            ToolAction { id: durationButton; objectName: "durationButton"; iconName: "clock"; text: qsTr("Slide Duration Settings"); compact: screen.compact; onClicked: durationPopup.open() }
            ToolSeparator { }
            ToolAction { id: recentButton; objectName: "recentButton"; iconName: "history"; text: qsTr("Recent Projects"); compact: screen.compact; onClicked: recentPopup.open() }
            ToolAction { id: saveButton; objectName: "saveButton"; iconName: "save"; text: qsTr("Save Project"); compact: screen.compact; enabled: !screen.empty; onClicked: screen.saveProject() }
            ToolAction { id: newButton; objectName: "newButton"; iconName: "new"; text: qsTr("New Project"); compact: screen.compact; onClicked: screen.newProject() }
            Item { Layout.fillWidth: true }
            // Undo and redo beside the save state, their icons alone as in most programs; the
            // tooltips name the step.
            IconButton { id: undoButton; objectName: "undoButton"; iconName: "undo"; tip: history.undoTip; enabled: history.canUndo; onClicked: history.undo() }
            IconButton { id: redoButton; objectName: "redoButton"; Layout.rightMargin: Theme.gap; iconName: "redo"; tip: history.redoTip; enabled: history.canRedo; onClicked: history.redo() }
            SaveStateMark { id: saveStateMark; objectName: "saveStateMark"; visible: !screen.empty; compact: screen.compact }
            IconButton { id: tipsButton; objectName: "tipsButton"; iconName: "help"; tip: qsTr("How to use Pictovia"); onClicked: tips.open() }
            Item {
                id: doneHolder
                implicitWidth: doneButton.implicitWidth
                implicitHeight: doneButton.implicitHeight
                BButton {
                    id: doneButton
                    objectName: "doneButton"
                    text: qsTr("Done")
                    enabled: project.videoSlidesNumber !== 0
                    onClicked: screen.done()
                }
                HoverHandler { id: doneHover }
                ToolTip.visible: doneHover.hovered && !doneButton.enabled
                ToolTip.text: qsTr("Add photos first")
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        Rectangle {
            objectName: "separatorBanner"
            Layout.fillWidth: true
            Layout.preferredHeight: bannerText.implicitHeight + 20
            visible: grid.hasSeparator && !screen.empty
            color: Theme.dangerSoft
            RowLayout {
                anchors.fill: parent
                anchors.leftMargin: Theme.margin
                anchors.rightMargin: Theme.margin
                spacing: Theme.gap
                Icon { name: "warning"; color: Theme.danger; width: 18; height: 18 }
                Label {
                    id: bannerText
                    Layout.fillWidth: true
                    text: qsTr("You have too many slides for your audio duration. The images and text slides below will be excluded from the final video")
                    color: Theme.danger
                    wrapMode: Text.Wrap
                }
                Button {
                    flat: true
                    text: qsTr("Show")
                    onClicked: grid.positionViewAtIndex(project.usedSlidesNumber, GridView.Center)
                }
            }
        }
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            SlideGrid {
                id: grid
                anchors.fill: parent
                anchors.rightMargin: mainPreview.visible ? mainPreview.width : 0
                visible: !screen.empty
                onRemoveRequested: (rows) => screen.removeRows(rows)
                onDurationRequested: (row, durationType, duration, number) => slideDurationPopup.openFor(row, durationType, duration, number)
                onTextEditRequested: (row, text) => textPopup.openEdit(row, text)
                onPlayRequested: (row, byKey) => screen.playFrom(row, byKey)
            }
            // The slideshow as it will look, beside the slides it is made of.
            Rectangle {
                id: mainPreview
                objectName: "mainPreview"
                anchors { top: parent.top; bottom: parent.bottom; right: parent.right }
                width: Math.round(Math.max(320, Math.min(460, screen.width * 0.32)))
                visible: !screen.empty
                color: Theme.surface
                Rectangle { width: 1; height: parent.height; color: Theme.line }
                PreviewPanel {
                    anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.gapLarge }
                    titled: true
                    slideHint: true
                }
            }
            EmptyState {
                objectName: "emptyState"
                anchors.fill: parent
                visible: screen.empty
                dragActive: dropArea.containsDrag
                onAddImages: imagesDialog.start()
                onAddFolder: folderDialog.start()
            }
            SavedToast {
                id: savedToast
                objectName: "savedToast"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: Theme.margin
            }
            Rectangle {
                anchors.fill: parent
                visible: dropArea.containsDrag && !screen.empty
                color: Theme.dropTint
                border.width: 2
                border.color: Theme.accent
            }
        }
        TimelineBar {
            Layout.fillWidth: true
            onAudioClicked: screen.editAudio()
        }
    }

    DropArea {
        id: dropArea
        anchors.fill: parent
        keys: ["text/uri-list"]
        onDropped: (drop) => {
            if (drop.hasUrls) {
                screen.addDropped(drop.urls)
                drop.acceptProposedAction()
            }
        }
    }

    Shortcut { sequences: [StandardKey.Delete]; enabled: screen.active; onActivated: screen.removeRows(grid.selectedRows()) }
    Shortcut { sequence: StandardKey.SelectAll; enabled: screen.active; onActivated: grid.selectAll() }
    Shortcut { sequence: StandardKey.Save; enabled: screen.active && !screen.empty; onActivated: screen.saveProject() }
    Shortcut { sequence: StandardKey.New; enabled: screen.active; onActivated: screen.newProject() }
    Shortcut { sequence: StandardKey.Open; enabled: screen.active; onActivated: recentPopup.open() }
    Shortcut { sequence: StandardKey.HelpContents; enabled: screen.active; onActivated: tips.open() }

    Connections {
        target: project
        function onProjectSaved() { savedToast.show(qsTr("Project saved")) }
        function onMissedImageFiles(files) { missingPopup.show(files) }
        function onMissedMusicFiles(files) { missingMusicPopup.show(files) }
        function onProjectFileDamaged(slidesRead) { damagedPopup.show(slidesRead) }
    }

    StartFolderDialog {
        id: imagesDialog
        objectName: "imagesDialog"
        title: qsTr("Add Images")
        selectMultiple: true
        nameFilters: [appWindow.pictureNameFilter(qsTr("Import Image Files (*.jpg *jpeg *.png *.gif)"))]
        onAccepted: project.addImages(selectedFiles)
    }
    StartFolderChooser {
        id: folderDialog
        objectName: "imagesFolderDialog"
        title: qsTr("Add Folder with Images")
        onAccepted: project.addImagesFolder([selectedFolder])
    }
    StartFolderDialog {
        id: audioDialog
        objectName: "audioDialog"
        kind: "audio"
        title: qsTr("Add Audio")
        selectMultiple: true
        nameFilters: [appWindow.audioNameFilter(qsTr("Open Audio File (*.mp3 *.m4a)"))]
        onAccepted: project.addAudio(selectedFiles)
    }

    TextSlidePopup { id: textPopup; objectName: "textSlidePopup" }
    DurationSettingsPopup { id: durationPopup; objectName: "durationPopup" }
    SlideDurationPopup { id: slideDurationPopup; objectName: "slideDurationPopup" }
    AudioPopup { id: audioPopup; objectName: "audioPopup"; onAddRequested: audioDialog.start() }
    RecentProjectsPopup {
        id: recentPopup
        objectName: "recentPopup"
        onOpenRequested: (index) => { screen.openProject(index); close() }
    }
    MissingFilesPopup { id: missingPopup; objectName: "missingFilesPopup" }
    MissingFilesPopup { id: missingMusicPopup; objectName: "missingMusicPopup"; music: true }
    DamagedProjectPopup { id: damagedPopup; objectName: "damagedProjectPopup" }
    LocatePhotoDialogs { objectName: "locatePhotoDialogs"; grid: grid }
    TipsOverlay { id: tips; objectName: "tipsOverlay" }
    ConfirmPopup {
        id: removeConfirm
        objectName: "removeSlidePopup"
        destructive: true
        property var rows: []
        title: qsTr("Remove Slide?")
        text: rows.length > 1 ? qsTr("%1 slides will be removed from the project.").arg(rows.length) : ""
        acceptText: qsTr("Remove")
        offerDontAsk: true
        onAccepted: {
            if (dontAskAgain)
                appSettings.set("removeSlideDlgDontShowAgain")
            screen.removeNow(rows)
        }
    }

    Component.onCompleted: {
        if (!appSettings.contains("dontShowTipsSetting"))
            tips.open()
    }
}
