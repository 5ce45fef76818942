import QtQuick
import QtQuick.Templates as T

T.Label {
    color: Theme.text
    linkColor: Theme.accent
    font.family: Theme.fontFamily
    font.pixelSize: Theme.bodySize
}
