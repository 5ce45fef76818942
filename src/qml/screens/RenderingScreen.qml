import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle
import "../components"

// "Making Video": the latest frame, one progress bar, elapsed and remaining time, Stop.
Page {
    id: screen
    objectName: "renderingScreen"
    readonly property var renderer: appWindow.renderPres
    readonly property int progress: renderer ? renderer.progress : 0
    readonly property int elapsed: renderer ? renderer.elapsed : 0
    readonly property int timeLeft: renderer ? renderer.timeLeft : -1

    function goBack() { stop() }
    function stop() {
        if (renderer)
            renderer.stop()
    }

    header: ScreenHeader {
        title: qsTr("Making Video")
        onBackClicked: screen.stop()
        backButton.objectName: "renderBackButton"
    }

    Connections {
        target: screen.renderer
        ignoreUnknownSignals: true
        function onStopped() { screen.StackView.view.backTo("settingsScreen") }
        function onDone() { screen.StackView.view.showDone() }
        function onError() { screen.StackView.view.backToMain() }
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(860, parent.width - 2 * Theme.margin, (parent.height - 200) * 16 / 9)
        spacing: Theme.gapLarge

        PictureFrame {
            objectName: "renderPreview"
            Layout.fillWidth: true
            imageId: screen.renderer ? screen.renderer.preview : ""
            busyWhileEmpty: true
        }
        ProgressBar {
            objectName: "renderProgress"
            Layout.fillWidth: true
            value: screen.progress / 100
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.margin
            Label {
                objectName: "renderElapsed"
                text: qsTr("Elapsed %1").arg(appWindow.clockText(screen.elapsed))
                color: Theme.textMuted
            }
            Label {
                objectName: "renderPercent"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("%1 %").arg(screen.progress)
                font.weight: Font.DemiBold
            }
            Label {
                objectName: "renderTimeLeft"
                text: screen.timeLeft < 0 ? qsTr("Estimating time left...")
                                          : qsTr("%1 left").arg(appWindow.clockText(screen.timeLeft))
                color: Theme.textMuted
            }
        }
        Button {
            objectName: "stopButton"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Stop")
            onClicked: screen.stop()
        }
    }
}
