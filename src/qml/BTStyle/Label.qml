import QtQuick 2.12
import QtQuick.Templates 2.12 as T

T.Label {
    color: "#27323f"
    font.pixelSize: 16
    linkColor: "#2f80d8"
}
