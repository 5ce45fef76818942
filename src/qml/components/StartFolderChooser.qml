import QtQuick
import QtQuick.Dialogs

// A folder chooser that opens where the user last left one of its kind (dialogFolders), and
// remembers the folder chosen.
FolderDialog {
    // "photos" or "result": which of dialogFolders' folders it opens in and keeps.
    property string kind: "photos"

    function start(near) {
        var chosen = near ? near.toString() : ""
        currentFolder = chosen !== "" ? chosen : dialogFolders[kind + "Folder"]
        open()
    }
    onAccepted: dialogFolders[kind + "Folder"] = selectedFolder
}
