import QtQuick

// A soft circle growing from the press point; clipped by the control's background.
Item {
    id: ripple
    property bool pressed: false
    property point origin: Qt.point(width / 2, height / 2)
    property color color: Theme.shade
    clip: true

    Rectangle {
        id: wave
        x: ripple.origin.x - width / 2
        y: ripple.origin.y - height / 2
        width: 0
        height: width
        radius: width / 2
        color: ripple.color
        opacity: 0
    }
    states: State {
        name: "pressed"
        when: ripple.pressed
        PropertyChanges { target: wave; width: Math.max(ripple.width, ripple.height) * 2.2; opacity: 1 }
    }
    transitions: [
        Transition { to: "pressed"; NumberAnimation { properties: "width,opacity"; duration: Theme.normal; easing.type: Easing.OutCubic } },
        Transition { from: "pressed"; NumberAnimation { properties: "width,opacity"; duration: Theme.normal } }
    ]
}
