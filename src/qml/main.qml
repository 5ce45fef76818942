import QtQuick 2.12
import QtQuick.Window 2.12
import QtQuick.Controls 2.12

ApplicationWindow {
    id: window
    visible: true
    title: "Pictovia"
    width: Screen.width >= 1500 ? 1300 : Screen.width
    height: Screen.width >= 1500 ? 900 : Screen.height
    minimumWidth: 1000
    minimumHeight: 600
    x: (Screen.width - width) / 2
    y: (Screen.height - height) / 2
    color: "#f1f4f8"

    Item {
        id: splash
        anchors.centerIn: parent
        width: 620
        height: 300
        visible: screensLoader.status !== Loader.Ready

        Rectangle {
            id: splashImage
            anchors.fill: parent
            radius: 8
            color: "#2f3b4c"
            opacity: 0
            Text {
                anchors.centerIn: parent
                text: "Pictovia"
                color: "#ffffff"
                font.pixelSize: 64
                font.weight: Font.Light
            }
            SequentialAnimation on opacity {
                PauseAnimation { duration: 400 }
                NumberAnimation { to: 1; duration: 400 }
            }
        }
        Label {
            anchors.top: splashImage.bottom
            anchors.topMargin: 16
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Loading...")
            opacity: 0
            SequentialAnimation on opacity {
                PauseAnimation { duration: 400 }
                NumberAnimation { to: 1; duration: 400 }
            }
        }
    }

    Loader {
        id: screensLoader
        anchors.fill: parent
        asynchronous: true
    }

    ErrorPopup {
        id: errorPopup
        objectName: "errorPopup"
    }

    Component.onCompleted: {
        commonError.error.connect(errorPopup.show)
        screensLoader.source = "qrc:/Screens.qml"
    }
}
