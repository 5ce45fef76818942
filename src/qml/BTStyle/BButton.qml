import QtQuick
import QtQuick.Controls

// The big accent button of a screen's main action (Done, MAKE VIDEO, Play Video).
Button {
    highlighted: true
    font.pixelSize: Theme.sectionSize
    leftPadding: Theme.margin
    rightPadding: Theme.margin
    implicitHeight: Theme.actionHeight
}
