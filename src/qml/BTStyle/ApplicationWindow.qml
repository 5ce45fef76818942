import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.ApplicationWindow {
    color: "#f1f4f8"
    font.pixelSize: 16
}
