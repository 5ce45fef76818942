import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// The running download of a video background: its name, the megabytes received and of the
// whole, and a thin bar. Over a picture (overPicture) it sits on a dark translucent chip.
Control {
    id: bar
    readonly property var bgs: appWindow.backgroundsPres
    readonly property bool active: !!bgs && bgs.downloadActive
    readonly property real received: active ? bgs.downloadReceived : 0
    readonly property real total: active ? bgs.downloadTotal : 0
    property bool overPicture: false
    readonly property alias label: label
    readonly property alias progressBar: progress
    readonly property string text: !active ? ""
        : total > 0 ? qsTr("Downloading %1 — %2 of %3 MB").arg(bgs.downloadName).arg(appWindow.megabytes(received))
                                                           .arg(appWindow.megabytes(total))
        : qsTr("Downloading %1 — %2 MB").arg(bgs.downloadName).arg(appWindow.megabytes(received))

    visible: active
    padding: overPicture ? Theme.gap : 0
    background: Rectangle {
        visible: bar.overPicture
        radius: Theme.radius
        color: Theme.onPicture
    }
    contentItem: ColumnLayout {
        spacing: Theme.gap / 2
        Label {
            id: label
            Layout.fillWidth: true
            text: bar.text
            elide: Text.ElideRight
            horizontalAlignment: bar.overPicture ? Text.AlignLeft : Text.AlignHCenter
            color: bar.overPicture ? Theme.textOnDark : Theme.textMuted
            font.pixelSize: Theme.captionSize
        }
        ProgressBar {
            id: progress
            Layout.fillWidth: true
            value: bar.total > 0 ? bar.received / bar.total : 0
            indeterminate: bar.active && bar.total <= 0
        }
    }
}
