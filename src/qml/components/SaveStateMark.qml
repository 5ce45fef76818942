import QtQuick
import QtQuick.Controls
import BTStyle

// Whether the open project is on disk as it stands: "Saving…" while edits wait to be written,
// "Saved" once they are, "Not saved" when writing failed. Automatic saves show here only; the
// toast is for the Save button. Compact, the icon stands alone and the text is its tooltip.
Row {
    id: mark
    property bool compact: false
    // The widths the tool bar plans with; the label's is its widest text, so the bar does not
    // change its labels as the state changes.
    readonly property real iconOnlyWidth: 16 + spacing + Theme.gap
    readonly property real labelledWidth: iconOnlyWidth + spacing
                                          + Math.max(notSaved.advanceWidth, saving.advanceWidth, savedText.advanceWidth)
    TextMetrics { id: notSaved; font.pixelSize: Theme.captionSize; text: qsTr("Not saved") }
    TextMetrics { id: saving; font.pixelSize: Theme.captionSize; text: qsTr("Saving\u2026") }
    TextMetrics { id: savedText; font.pixelSize: Theme.captionSize; text: qsTr("Saved") }
    HoverHandler { id: hover }
    ToolTip.visible: compact && hover.hovered && stateText !== ""
    ToolTip.text: stateText
    ToolTip.delay: 500
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
        visible: !mark.compact
        anchors.verticalCenter: parent.verticalCenter
        text: mark.stateText
        color: mark.failed ? Theme.danger : Theme.textMuted
        font.pixelSize: Theme.captionSize
    }
    Item { width: Theme.gap; height: 1 }
}
