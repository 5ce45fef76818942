import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle
import "../components"

// "Your video is ready": play it, open its folder, copy its path, or go back to the project.
Page {
    id: screen
    objectName: "doneScreen"
    readonly property var renderer: appWindow.renderPres
    readonly property string resultPath: renderer ? renderer.resultPath : ""
    readonly property string fileName: resultPath.substring(resultPath.lastIndexOf("/") + 1)
    readonly property real fileSize: renderer ? renderer.resultSize : -1

    function goBack() { StackView.view.backToMain() }
    function sizeText(bytes) {
        if (bytes < 0)
            return ""
        if (bytes >= 1024 * 1024 * 1024)
            return qsTr("%1 GB").arg(Number(bytes / 1073741824).toLocaleString(Qt.locale(), "f", 1))
        if (bytes >= 1024 * 1024)
            return qsTr("%1 MB").arg(appWindow.megabytes(bytes))
        return qsTr("%1 KB").arg(Math.max(1, Math.round(bytes / 1024)))
    }

    header: ScreenHeader {
        title: qsTr("Your video is ready")
        onBackClicked: screen.goBack()
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(560, parent.width - 2 * Theme.margin)
        spacing: Theme.gapLarge

        Rectangle {
            id: badge
            Layout.alignment: Qt.AlignHCenter
            width: 96
            height: 96
            radius: 48
            color: Theme.accent
            Icon { anchors.centerIn: parent; width: 52; height: 52; name: "check"; color: Theme.textOnDark }
            scale: 0.6
            opacity: 0
            Component.onCompleted: celebrate.start()
            ParallelAnimation {
                id: celebrate
                NumberAnimation { target: badge; property: "scale"; to: 1; duration: 200; easing.type: Easing.OutCubic }
                NumberAnimation { target: badge; property: "opacity"; to: 1; duration: 200 }
            }
        }
        Label {
            objectName: "resultFileName"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: screen.fileName
            elide: Text.ElideMiddle
            font.pixelSize: Theme.titleSize
            font.weight: Font.DemiBold
        }
        Label {
            objectName: "resultDetails"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            color: Theme.textMuted
            text: [qsTr("Length %1").arg(project.timelineText.trim()), screen.sizeText(screen.fileSize)]
                  .filter(function(t) { return t !== "" }).join("  \u00b7  ")
        }
        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: Theme.gap
            spacing: Theme.gap
            BButton {
                objectName: "playVideoButton"
                text: qsTr("Play Video")
                onClicked: screen.renderer.play()
            }
            Button {
                objectName: "openFolderButton"
                text: qsTr("Open Folder containing Video")
                implicitHeight: Theme.actionHeight
                onClicked: screen.renderer.openFolder()
            }
        }
        // When the desktop opened neither, the user finds the video by its path.
        Label {
            objectName: "openFailureMessage"
            Layout.fillWidth: true
            visible: text !== ""
            text: screen.renderer ? screen.renderer.openFailure : ""
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            padding: Theme.gap
            background: Rectangle { radius: Theme.radius; color: Theme.dangerSoft; border.color: Theme.dangerLine }
        }
        // Placed by hand: a wrapping text in a nested layout makes Qt Quick Layouts rearrange
        // recursively when the message above appears.
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: Math.max(pathText.implicitHeight, copyButton.implicitHeight) + 2 * Theme.gap
            radius: Theme.radius
            color: Theme.sunken
            TextEdit {
                id: pathText
                objectName: "resultPathText"
                x: Theme.gapLarge
                y: (parent.height - height) / 2
                width: copyButton.x - x - Theme.gap
                text: screen.resultPath
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.WrapAnywhere
                color: Theme.text
                selectionColor: Theme.accent
                selectedTextColor: Theme.textOnAccent
                font.family: Theme.fontFamily
                font.pixelSize: Theme.captionSize
            }
            Button {
                id: copyButton
                objectName: "copyPathButton"
                property bool copied: false
                anchors.right: parent.right
                anchors.rightMargin: Theme.gap
                anchors.verticalCenter: parent.verticalCenter
                // As wide for "Copied" as for "Copy", so the path does not jump.
                width: Math.ceil(Math.max(copiedMetrics.advanceWidth, copyMetrics.advanceWidth)) + leftPadding + rightPadding
                text: copied ? qsTr("Copied") : qsTr("Copy")
                onClicked: { screen.renderer.copyResultPath(); copied = true; copiedTimer.restart() }
                TextMetrics { id: copyMetrics; font: copyButton.font; text: qsTr("Copy") }
                TextMetrics { id: copiedMetrics; font: copyButton.font; text: qsTr("Copied") }
                Timer { id: copiedTimer; interval: 1600; onTriggered: copyButton.copied = false }
            }
        }
        Button {
            objectName: "backToProjectButton"
            Layout.alignment: Qt.AlignHCenter
            flat: true
            text: qsTr("Back to the project")
            onClicked: screen.goBack()
        }
    }
}
