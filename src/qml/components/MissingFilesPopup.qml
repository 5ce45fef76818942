import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

BasePopup {
    id: popup
    property var files: []
    property bool music: false
    title: qsTr("Warning")
    preferredWidth: 560

    function show(list) { files = list; open() }

    Label {
        Layout.fillWidth: true
        text: popup.music
              ? qsTr("This music is not where it was, or cannot be read. The project opened without it: add it again with Add Audio once it is back.")
              : qsTr("These photos are not where they were. They stay in the project, marked as missing, and are left out of the video until you locate them (Locate\u2026 on the slide) or remove them.")
        wrapMode: Text.Wrap
    }
    ListView {
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(contentHeight, 200)
        clip: true
        model: popup.files
        ScrollBar.vertical: ScrollBar { }
        delegate: Label {
            width: ListView.view.width
            text: modelData
            color: Theme.textMuted
            font.pixelSize: Theme.captionSize
            elide: Text.ElideMiddle
        }
    }
    buttons: BButton { objectName: "missingFilesOk"; text: qsTr("OK"); onClicked: popup.close() }
}
