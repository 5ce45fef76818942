import QtQuick 2.15
import QtQuick.Dialogs 1.3

// A file dialog that opens where the user last left one of its kind (dialogFolders), and
// remembers where this one was left when a choice is made.
FileDialog {
    // "photos", "audio" or "result": which of dialogFolders' folders it opens in and keeps.
    property string kind: "photos"

    // Opens in near when it names a folder (a missing photo's nearest one), else in its kind's.
    function start(near) {
        var chosen = near ? near.toString() : ""
        var target = chosen !== "" ? chosen : dialogFolders[kind + "Folder"]
        folder = target
        open()
        // The widget dialog is made by the first open() and misses a folder set before it.
        folder = target
    }
    onAccepted: dialogFolders[kind + "Folder"] = folder
}
