import QtQuick 2.15
import QtQuick.Controls 2.15
import "../BTStyle"

// Whether the open project is on disk as it stands: "Saving…" while edits wait to be written,
// "Saved" once they are, "Not saved" when writing failed. Automatic saves show here only; the
// toast is for the Save button.
Row {
    id: mark
    readonly property var saver: appWindow.autosavePres
    readonly property bool pending: saver ? saver.pending : false
    readonly property bool saved: saver ? saver.saved : false
    readonly property bool failed: saver ? saver.failed : false
    readonly property string stateText: failed ? qsTr("Not saved") : pending ? qsTr("Saving\u2026") : saved ? qsTr("Saved") : ""
    spacing: 6
    opacity: stateText !== "" ? 1 : 0
    Behavior on opacity { NumberAnimation { duration: Theme.normal } }

    Icon {
        anchors.verticalCenter: parent.verticalCenter
        name: mark.failed ? "warning" : "check"
        width: 16
        height: 16
        color: mark.failed ? Theme.danger : Theme.success
        visible: mark.failed || !mark.pending
    }
    Label {
        objectName: "saveStateText"
        anchors.verticalCenter: parent.verticalCenter
        text: mark.stateText
        color: mark.failed ? Theme.danger : Theme.textMuted
        font.pixelSize: Theme.captionSize
    }
    Item { width: Theme.gap; height: 1 }
}
