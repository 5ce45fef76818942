import QtQuick 2.15
import QtQuick.Templates 2.15 as T

T.Label {
    color: Theme.text
    linkColor: Theme.accent
    font.family: Theme.fontFamily
    font.pixelSize: Theme.bodySize
}
