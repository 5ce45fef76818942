import QtQuick 2.15
import QtQuick.Templates 2.15 as T

T.ApplicationWindow {
    color: Theme.canvas
    font.family: Theme.fontFamily
    font.pixelSize: Theme.bodySize
}
