import QtQuick
import BTStyle

// Finds a missing photo: a file dialog for it, then an offer to relink the other missing photos
// that the same folder holds under their own names.
Item {
    id: dialogs
    // The slide grid whose cards ask for a missing photo to be located.
    property var grid: null
    property int row: -1
    property string fileName: ""

    function locate(row, fileName, path) {
        dialogs.row = row
        dialogs.fileName = fileName
        // Where the photo was, or as near to it as still exists: it is often close by.
        fileDialog.start(project.nearestFolderOf(path))
    }
    function located(url) {
        project.locateSlide(dialogs.row, url)
        var found = project.relinkableFrom(url)
        if (found > 0) {
            relinkConfirm.source = url
            relinkConfirm.found = found
            relinkConfirm.open()
        }
    }

    Connections {
        target: dialogs.grid
        function onLocateRequested(row, fileName, path) { dialogs.locate(row, fileName, path) }
    }

    StartFolderDialog {
        id: fileDialog
        objectName: "locatePhotoDialog"
        title: qsTr("Locate %1").arg(dialogs.fileName)
        nameFilters: [appWindow.pictureNameFilter(qsTr("Import Image Files (*.jpg *jpeg *.png *.gif)"))]
        onAccepted: dialogs.located(selectedFile)
    }
    ConfirmPopup {
        id: relinkConfirm
        objectName: "relinkMissingPopup"
        property url source
        property int found: 0
        title: qsTr("Relink the other missing photos?")
        text: found === 1 ? qsTr("1 more missing photo was found in this folder.")
                          : qsTr("%1 more missing photos were found in this folder.").arg(found)
        acceptText: qsTr("Relink All")
        onAccepted: project.relinkMissingFrom(source)
    }
}
