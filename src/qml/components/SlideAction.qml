import QtQuick 2.15
import "../BTStyle"

// A small action button over a slide's picture.
IconButton {
    tint: "#ffffff"
    fill: "#991b1e23"
    hoverFill: "#cc1b1e23"
    implicitWidth: 28
    implicitHeight: 28
}
