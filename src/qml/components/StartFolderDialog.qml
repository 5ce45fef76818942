import QtQuick
import QtQuick.Dialogs

// A file dialog that opens where the user last left one of its kind (dialogFolders), and
// remembers where this one was left when a choice is made.
FileDialog {
    // "photos", "audio" or "result": which of dialogFolders' folders it opens in and keeps.
    property string kind: "photos"
    // Several files at once.
    property bool selectMultiple: false

    fileMode: selectMultiple ? FileDialog.OpenFiles : FileDialog.OpenFile

    // Opens in near when it names a folder (a missing photo's nearest one), else in its kind's.
    function start(near) {
        var chosen = near ? near.toString() : ""
        currentFolder = chosen !== "" ? chosen : dialogFolders[kind + "Folder"]
        open()
    }
    onAccepted: dialogFolders[kind + "Folder"] = selectedFile
}
