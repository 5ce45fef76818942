import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle
import "../components"

// "Select Background": animated, standard, colour and custom backgrounds.
Page {
    id: screen
    objectName: "backgroundScreen"
    readonly property var style: appWindow.styleSettingsPres
    readonly property var bgs: appWindow.backgroundsPres
    readonly property string bgId: style ? style.bgId : ""
    readonly property int customTab: 3

    function goBack() { StackView.view.pop() }
    function done() {
        if (bgs && style)
            bgs.selectionDone(style.bgId)
        StackView.view.showStyle()
    }
    function choose(id) {
        if (!style)
            return
        style.bgId = id
        style.bgSelected()
    }
    function addCustom(url) {
        choose(bgs.addCustomBg(url))
        tabs.currentIndex = customTab
        bgs.updateCustomBgThumbs()
    }
    function tabOf(id) {
        if (id.indexOf("animated") === 0) return 0
        if (id.indexOf("standard") === 0) return 1
        if (id.indexOf("color") === 0) return 2
        return id === "" ? 0 : customTab
    }

    header: ScreenHeader {
        title: qsTr("Select Background")
        step: 1
        onBackClicked: screen.goBack()
        BButton { objectName: "backgroundDoneButton"; text: qsTr("Done"); onClicked: screen.done() }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: Theme.gapLarge
        spacing: 0
        TabBar {
            id: tabs
            objectName: "backgroundTabs"
            Layout.leftMargin: Theme.margin
            Layout.rightMargin: Theme.margin
            Layout.fillWidth: true
            currentIndex: screen.tabOf(screen.bgId)
            TabButton { objectName: "tabAnimated"; text: qsTr("Animated"); width: implicitWidth }
            TabButton { objectName: "tabStandard"; text: qsTr("Standard"); width: implicitWidth }
            TabButton { objectName: "tabColors"; text: qsTr("Colors"); width: implicitWidth }
            TabButton { objectName: "tabCustom"; text: qsTr("Custom"); width: implicitWidth }
            onCurrentIndexChanged: if (currentIndex === screen.customTab && screen.bgs) screen.bgs.updateCustomBgThumbs()
        }
        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabs.currentIndex
            BackgroundGrid {
                objectName: "animatedGrid"
                model: screen.bgs ? screen.bgs.animated : []
                selectedId: screen.bgId
                onChosen: (id) => screen.choose(id)
            }
            BackgroundGrid {
                objectName: "standardGrid"
                model: screen.bgs ? screen.bgs.standard : []
                selectedId: screen.bgId
                onChosen: (id) => screen.choose(id)
            }
            BackgroundGrid {
                objectName: "colorGrid"
                model: screen.bgs ? screen.bgs.colors : []
                selectedId: screen.bgId
                onChosen: (id) => screen.choose(id)
            }
            BackgroundGrid {
                objectName: "customGrid"
                model: screen.bgs ? screen.bgs.custom : []
                selectedId: screen.bgId
                showAdd: true
                onChosen: (id) => screen.choose(id)
                onAddClicked: customDialog.start()
                onRemoveClicked: (id) => screen.bgs.removeCustomBg(id)
            }
        }
    }

    StartFolderDialog {
        id: customDialog
        objectName: "customBackgroundDialog"
        title: qsTr("Add Custom Background Image")
        nameFilters: [appWindow.pictureNameFilter(qsTr("Import Image Files (*.jpg *jpeg *.png *.gif)"))]
        onAccepted: {
            if (screen.bgs.isNormalBgSize(selectedFile)) {
                screen.addCustom(selectedFile)
            } else {
                smallPopup.url = selectedFile
                smallPopup.open()
            }
        }
    }
    ConfirmPopup {
        id: smallPopup
        objectName: "smallImagePopup"
        property url url
        title: qsTr("The Image is too small")
        text: qsTr("The selected image is too small.")
        acceptText: qsTr("Use it")
        rejectText: qsTr("Choose another")
        onAccepted: screen.addCustom(url)
    }
}
