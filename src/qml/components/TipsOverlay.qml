import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// First-start help: the three tool-bar actions that make a video.
BasePopup {
    id: popup
    title: qsTr("How to use Pictovia")
    preferredWidth: 600
    readonly property var hints: [
        { icon: "image", title: qsTr("Click Add Images"), text: qsTr("to add your photos") },
        { icon: "text", title: qsTr("Click Add Text Slide"), text: qsTr("to add titles between slides") },
        { icon: "music", title: qsTr("Click Add Audio"), text: qsTr("to add background music") }
    ]

    Repeater {
        model: popup.hints
        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.gapLarge
            Rectangle {
                width: 48; height: 48; radius: 24; color: Theme.accentSoft
                Icon { anchors.centerIn: parent; name: modelData.icon; color: Theme.accent }
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 0
                Label { Layout.fillWidth: true; text: modelData.title; font.weight: Font.DemiBold; wrapMode: Text.Wrap }
                Label { Layout.fillWidth: true; text: modelData.text; color: Theme.textMuted; wrapMode: Text.Wrap }
            }
        }
    }
    CheckBox {
        objectName: "dontShowTips"
        Layout.topMargin: Theme.gap
        text: qsTr("Don\u2019t show Tips at startup")
        checked: appSettings.contains("dontShowTipsSetting")
        onToggled: checked ? appSettings.set("dontShowTipsSetting") : appSettings.remove("dontShowTipsSetting")
    }
    buttons: [
        Button {
            objectName: "tipsWatchVideo"
            visible: appWindow.tipsVideo !== ""
            flat: true
            text: qsTr("Watch video")
            onClicked: Qt.openUrlExternally(appWindow.tipsVideo)
        },
        BButton { objectName: "tipsOkay"; text: qsTr("OKAY, GOT IT"); onClicked: popup.close() }
    ]
}
