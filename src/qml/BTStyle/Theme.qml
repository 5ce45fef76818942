pragma Singleton
import QtQuick

// Every colour, size, font and duration of the interface, so all screens share one look.
QtObject {
    // Neutral canvas, one accent for each screen's main action.
    readonly property color canvas: "#f3f4f6"
    readonly property color surface: "#ffffff"
    readonly property color surfaceAlt: "#f9fafb"
    readonly property color sunken: "#e9ebef"
    readonly property color line: "#dfe2e7"
    readonly property color lineStrong: "#c5cad3"
    readonly property color text: "#1f2329"
    readonly property color textMuted: "#646b76"
    readonly property color textFaint: "#9aa1ab"
    readonly property color textOnAccent: "#ffffff"
    readonly property color accent: "#2f6fde"
    readonly property color accentHover: "#2762c9"
    readonly property color accentPressed: "#1f52ab"
    readonly property color accentSoft: "#e6eefc"
    readonly property color hover: "#eceef2"
    readonly property color pressed: "#e0e3e8"
    readonly property color danger: "#b42318"
    readonly property color dangerSoft: "#fdecea"
    readonly property color dark: "#1b1e23"
    readonly property color scrim: "#801b1e23"
    // Faint outline and press ripples, dark on light controls, light on accent ones.
    readonly property color edge: "#14000000"
    readonly property color shade: "#1f000000"
    readonly property color glint: "#33ffffff"
    readonly property color dangerLine: "#f3c4bf"
    readonly property color success: "#7ee2a8"
    readonly property color dropTint: "#1a2f6fde"
    // Over photos and dark frames: white type on translucent dark chips and buttons.
    readonly property color textOnDark: "#ffffff"
    readonly property color onPicture: "#991b1e23"
    readonly property color onPictureHover: "#cc1b1e23"
    readonly property color badge: "#b31b1e23"
    readonly property color darkRaised: "#2b3442"

    // Four sizes of type.
    readonly property int titleSize: 22
    readonly property int sectionSize: 16
    readonly property int bodySize: 14
    readonly property int captionSize: 12
    readonly property string fontFamily: "DejaVu Sans"
    readonly property string iconFamily: "DejaVu Sans"
    readonly property string monoFamily: "DejaVu Sans Mono"

    // An 8 px grid, one corner radius, controls at least 36 px high, main actions 44.
    readonly property int unit: 8
    readonly property int gap: 8
    readonly property int gapLarge: 16
    readonly property int margin: 24
    readonly property int radius: 8
    readonly property int controlHeight: 36
    readonly property int actionHeight: 44
    readonly property int toolBarHeight: 64
    readonly property int headerHeight: 64
    readonly property int thumbSize: 168
    readonly property int focusWidth: 2
    readonly property real disabledOpacity: 0.4

    // Short, purposeful motion.
    readonly property int fast: 120
    readonly property int normal: 180
}
