import QtQuick
import QtQuick.Templates as T

T.ApplicationWindow {
    color: Theme.canvas
    font.family: Theme.fontFamily
    font.pixelSize: Theme.bodySize
}
