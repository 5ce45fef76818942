import QtQuick
import QtQuick.Templates as T

T.ApplicationWindow {
    color: Theme.canvas
    font.family: Theme.fontFamily
    font.pixelSize: Theme.bodySize
    // The toolkit's own file dialogs draw with the palette: a chosen row is tinted with the
    // accent and keeps dark text, which white text on the light tint would not be.
    palette.highlight: Theme.accent
    palette.highlightedText: Theme.text
    palette.text: Theme.text
    palette.windowText: Theme.text
}
