import QtQuick
import BTStyle

// A small action button over a picture.
IconButton {
    tint: Theme.textOnDark
    fill: Theme.onPicture
    hoverFill: Theme.onPictureHover
    implicitWidth: 28
    implicitHeight: 28
}
