import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// Said once when a project opens from a damaged file: what could be read is open, and the file
// itself is kept before it is ever saved over.
BasePopup {
    id: popup
    property int slidesRead: 0
    title: qsTr("Damaged Project File")
    preferredWidth: 520

    function show(count) { slidesRead = count; open() }

    Label {
        Layout.fillWidth: true
        text: (popup.slidesRead > 0
               ? qsTr("Part of this project's file could not be read. What came before the damage is open: %1.").arg(appWindow.slidesText(popup.slidesRead))
               : qsTr("This project's file could not be read; no slide of it could be recovered."))
        wrapMode: Text.Wrap
    }
    Label {
        Layout.fillWidth: true
        text: qsTr("Before the project is saved again, the damaged file is kept beside it as \u201cprj.xml.damaged\u201d.")
        wrapMode: Text.Wrap
        color: Theme.textMuted
        font.pixelSize: Theme.captionSize
    }
    buttons: BButton {
        objectName: "damagedProjectOk"
        text: qsTr("OK")
        onClicked: popup.close()
    }
}
