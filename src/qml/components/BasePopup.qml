import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// A centred modal card: title, content, and a row of buttons at the bottom right.
Popup {
    id: popup
    property string title: ""
    default property alias content: body.data
    property alias buttons: buttonRow.data
    property int preferredWidth: 480

    parent: Overlay.overlay
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    // Wide enough for its buttons, whose texts run longer in some languages.
    readonly property int fittingWidth: Math.max(preferredWidth, buttonRow.implicitWidth + leftPadding + rightPadding)
    width: Math.min(fittingWidth, parent ? parent.width - 2 * Theme.margin : fittingWidth)
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape

    ColumnLayout {
        anchors.fill: parent
        spacing: Theme.gapLarge
        Label {
            Layout.fillWidth: true
            text: popup.title
            visible: text !== ""
            font.pixelSize: Theme.titleSize
            font.weight: Font.DemiBold
            wrapMode: Text.Wrap
        }
        ColumnLayout {
            id: body
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: Theme.gap
        }
        RowLayout {
            id: buttonRow
            Layout.alignment: Qt.AlignRight
            Layout.topMargin: Theme.gap
            spacing: Theme.gap
        }
    }
}
