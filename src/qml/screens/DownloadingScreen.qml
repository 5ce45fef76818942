import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle
import "../components"

// "Downloading background": the chosen background's video is fetched before the render.
Page {
    id: screen
    objectName: "downloadingScreen"
    readonly property var bgs: appWindow.backgroundsPres
    // On top from the push on: a fast server may answer while the screen is still sliding in.
    readonly property bool onTop: !!StackView.view && StackView.view.currentItem === screen

    function goBack() { StackView.view.pop() }
    // Nothing waits for the video any more: the user chooses the background again.
    function cancel() {
        if (bgs)
            bgs.cancelDownload()
        StackView.view.backTo("backgroundScreen")
    }

    header: ScreenHeader {
        title: qsTr("Downloading background")
        onBackClicked: screen.goBack()
    }

    Connections {
        target: screen.bgs
        ignoreUnknownSignals: true
        function onBackgroundDownloaded() {
            if (screen.onTop) {
                networkPopup.close()
                screen.StackView.view.startRender()
            }
        }
        function onDownloadError() { if (screen.onTop) networkPopup.open() }
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(560, parent.width - 2 * Theme.margin)
        spacing: Theme.gapLarge
        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: width * 9 / 16
            radius: Theme.radius
            color: Theme.sunken
            clip: true
            Image {
                anchors.fill: parent
                source: screen.bgs ? screen.bgs.selectedBgThumb : ""
                fillMode: Image.PreserveAspectCrop
            }
        }
        DownloadBar {
            Layout.fillWidth: true
            // Stays in place between a failure and Retry.
            visible: true
            progressBar.objectName: "downloadProgress"
            label.objectName: "downloadText"
        }
        Button {
            objectName: "downloadCancelButton"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Cancel")
            onClicked: screen.cancel()
        }
    }

    ConfirmPopup {
        id: networkPopup
        objectName: "networkProblemPopup"
        title: qsTr("Network problem")
        text: qsTr("The background could not be downloaded. Check your connection and try again, or choose another background.")
        acceptText: qsTr("Retry")
        rejectText: qsTr("Select other")
        closePolicy: Popup.NoAutoClose
        onAccepted: screen.bgs.redownload()
        onRejected: screen.StackView.view.backTo("backgroundScreen")
    }
}
