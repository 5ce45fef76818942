import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../BTStyle"

BasePopup {
    id: popup
    property var files: []
    title: qsTr("Warning")
    preferredWidth: 560

    function show(list) { files = list; open() }

    Label {
        Layout.fillWidth: true
        text: qsTr("Missing image files will be skipped")
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
