import QtQuick
import QtQuick.Window
import QtQuick.Controls
import BTStyle
import "components"

ApplicationWindow {
    id: appWindow
    visible: true
    title: "Pictovia"
    width: Screen.width >= 1500 ? 1300 : Screen.width
    height: Screen.width >= 1500 ? 900 : Screen.height
    minimumWidth: 1000
    minimumHeight: 600
    x: (Screen.width - width) / 2
    y: (Screen.height - height) / 2

    // Presenters that may not be published in every build: screens bind through these.
    readonly property var styleSettingsPres: typeof styleSettings !== "undefined" ? styleSettings : null
    readonly property var settingsPres: typeof settings !== "undefined" ? settings : null
    readonly property var backgroundsPres: typeof backgrounds !== "undefined" ? backgrounds : null
    readonly property var renderPres: typeof render !== "undefined" ? render : null
    readonly property var savedProjectsPres: typeof savedProjects !== "undefined" ? savedProjects : null
    readonly property var thumbsPres: typeof thumbs !== "undefined" ? thumbs : null
    readonly property var autosavePres: typeof autosave !== "undefined" ? autosave : null
    // Set once the user chose to stop the render and quit: the window closes when it has stopped.
    property bool quitWhenStopped: false
    readonly property string tipsVideo: typeof tipsVideoUrl !== "undefined" ? tipsVideoUrl : ""

    // The same English word names different things here (a thin border, a thin typeface): each
    // text carries its meaning so that a language can translate it apart.
    function borderSizeName(level) {
        switch (level) {
        case 1: return qsTr("None", "border size")
        case 2: return qsTr("Thin", "border size")
        case 3: return qsTr("Normal", "border size")
        case 4: return qsTr("Bold", "border size")
        }
        return qsTr("Default", "border size")
    }
    function shadowName(level) {
        switch (level) {
        case 1: return qsTr("None", "shadow")
        case 2: return qsTr("Thin", "shadow")
        case 3: return qsTr("Normal", "shadow")
        case 4: return qsTr("Blurred", "shadow")
        }
        return qsTr("Default", "shadow")
    }
    function fontWeightName(weight) {
        switch (weight) {
        case 0: return qsTr("Thin", "font weight")
        case 12: return qsTr("Extra Light", "font weight")
        case 25: return qsTr("Light", "font weight")
        case 57: return qsTr("Medium", "font weight")
        case 63: return qsTr("Demi Bold", "font weight")
        case 75: return qsTr("Bold", "font weight")
        case 81: return qsTr("Extra Bold", "font weight")
        case 87: return qsTr("Black", "font weight")
        }
        return qsTr("Normal", "font weight")
    }
    // A translated file-dialog label as the filter the dialog shows and matches by: its plain
    // endings take camera files (IMG_0001.JPG) too.
    function pictureNameFilter(label) { return project.pictureNameFilter(label) }
    function audioNameFilter(label) { return project.audioNameFilter(label) }
    // Bytes as megabytes with one decimal, in the reader's number format ("3,1" in German).
    function megabytes(bytes) { return Number(bytes / 1048576).toLocaleString(Qt.locale(), "f", 1) }
    function slidesText(count) {
        return count === 1 ? qsTr("1 slide") : qsTr("%1 slides").arg(count)
    }
    // Seconds as m:ss or h:mm:ss.
    function clockText(seconds) {
        var s = Math.max(0, Math.round(seconds))
        var h = Math.floor(s / 3600), m = Math.floor(s % 3600 / 60), r = s % 60
        var mm = h > 0 && m < 10 ? "0" + m : "" + m
        return (h > 0 ? h + ":" : "") + mm + ":" + (r < 10 ? "0" : "") + r
    }

    Item {
        id: splash
        anchors.centerIn: parent
        width: 620
        height: 300
        visible: screensLoader.status !== Loader.Ready

        Rectangle {
            id: splashImage
            anchors.fill: parent
            radius: Theme.radius * 2
            opacity: 0
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.darkRaised }
                GradientStop { position: 1; color: Theme.dark }
            }
            Column {
                anchors.centerIn: parent
                spacing: Theme.gap
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "Pictovia"
                    color: Theme.textOnDark
                    font.family: Theme.fontFamily
                    font.pixelSize: 64
                    font.weight: Font.Light
                }
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 64
                    height: 4
                    radius: 2
                    color: Theme.accent
                }
            }
            SequentialAnimation on opacity {
                PauseAnimation { duration: 400 }
                NumberAnimation { to: 1; duration: 400 }
            }
        }
        Label {
            anchors.top: splashImage.bottom
            anchors.topMargin: Theme.gapLarge
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Loading...")
            color: Theme.textMuted
            opacity: 0
            SequentialAnimation on opacity {
                PauseAnimation { duration: 400 }
                NumberAnimation { to: 1; duration: 400 }
            }
        }
    }

    Loader {
        id: screensLoader
        objectName: "screensLoader"
        anchors.fill: parent
        asynchronous: true
        focus: true
    }

    ErrorPopup {
        id: errorPopup
        objectName: "errorPopup"
    }
    CrashPopup {
        id: crashPopup
        objectName: "crashPopup"
    }

    // Closing never loses work: a render asks first, and waiting edits are written.
    onClosing: (close) => {
        if (renderPres && renderPres.isRendering) {
            close.accepted = false
            if (!quitWhenStopped)
                quitDuringRender.open()
            return
        }
        if (autosavePres)
            autosavePres.flush()
    }
    ConfirmPopup {
        id: quitDuringRender
        objectName: "quitDuringRenderPopup"
        title: qsTr("A video is being made. Stop it and quit?")
        text: qsTr("The part made so far is not kept.")
        acceptText: qsTr("Stop and Quit")
        rejectText: qsTr("Keep making the video")
        destructive: true
        // The render may have ended while the question was open: then there is nothing to stop.
        onAccepted: {
            appWindow.quitWhenStopped = true
            if (appWindow.renderPres.isRendering)
                appWindow.renderPres.stop()
            else
                appWindow.close()
        }
    }
    Connections {
        target: appWindow.renderPres
        ignoreUnknownSignals: true
        function onIsRenderingChanged() {
            if (appWindow.quitWhenStopped && !appWindow.renderPres.isRendering)
                appWindow.close()
        }
    }

    Component.onCompleted: {
        commonError.error.connect(errorPopup.show)
        commonError.appHasFailed.connect(crashPopup.offer)
        screensLoader.source = Qt.resolvedUrl("Screens.qml")
    }
}
