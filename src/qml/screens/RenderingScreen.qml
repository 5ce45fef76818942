import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../BTStyle"
import "../components"

// "Making Video": the latest frame, one progress bar, elapsed and remaining time, Stop.
Page {
    id: screen
    objectName: "renderingScreen"
    readonly property var renderer: appWindow.renderPres
    readonly property int progress: renderer ? renderer.progress : 0
    property real startedAt: Date.now()
    property real now: Date.now()
    // The presenter's own clock when it has one, else counted here.
    readonly property real elapsed: renderer && renderer.elapsed !== undefined ? renderer.elapsed : (now - startedAt) / 1000
    readonly property real timeLeft: renderer && renderer.timeLeft !== undefined ? renderer.timeLeft
                                     : progress > 0 ? elapsed * (100 - progress) / progress : -1

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

    Timer { interval: 500; repeat: true; running: screen.StackView.status === StackView.Active; onTriggered: screen.now = Date.now() }

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

        Rectangle {
            objectName: "renderPreview"
            Layout.fillWidth: true
            Layout.preferredHeight: width * 9 / 16
            radius: Theme.radius
            color: Theme.dark
            clip: true
            Image {
                anchors.fill: parent
                source: screen.renderer && screen.renderer.preview !== "" ? "image://ImageProvider/" + screen.renderer.preview : ""
                fillMode: Image.PreserveAspectFit
                cache: false
            }
            BusyIndicator {
                anchors.centerIn: parent
                running: !screen.renderer || screen.renderer.preview === ""
            }
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
