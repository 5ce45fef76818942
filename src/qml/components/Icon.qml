import QtQuick
import BTStyle

// Line icons drawn in one stroke weight, so the tool bar reads as one family.
Canvas {
    id: icon
    property string name: ""
    property color color: Theme.text
    implicitWidth: 22
    implicitHeight: 22
    onNameChanged: requestPaint()
    onColorChanged: requestPaint()
    // A canvas made while hidden or without a size has painted nothing: it paints once shown.
    onVisibleChanged: if (visible) requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    onPaint: {
        var c = getContext("2d")
        c.reset()
        c.scale(width / 24, height / 24)
        c.strokeStyle = icon.color
        c.fillStyle = icon.color
        c.lineWidth = 1.8
        c.lineCap = "round"
        c.lineJoin = "round"
        c.beginPath()
        switch (icon.name) {
        case "image":
            c.roundedRect(3, 4, 18, 16, 2.5, 2.5)
            c.moveTo(4, 17); c.lineTo(9, 11.5); c.lineTo(13, 15.5); c.lineTo(15.5, 13); c.lineTo(20, 17.5)
            c.stroke()
            c.beginPath(); c.arc(15.5, 8.5, 1.6, 0, 2 * Math.PI); c.fill()
            return
        case "folder":
            c.moveTo(3, 7); c.lineTo(3, 18.5); c.quadraticCurveTo(3, 20, 4.5, 20); c.lineTo(19.5, 20)
            c.quadraticCurveTo(21, 20, 21, 18.5); c.lineTo(21, 9.5); c.quadraticCurveTo(21, 8, 19.5, 8)
            c.lineTo(11.5, 8); c.lineTo(9.5, 5); c.lineTo(4.5, 5); c.quadraticCurveTo(3, 5, 3, 6.5)
            break
        case "text":
            c.moveTo(5, 6); c.lineTo(19, 6); c.moveTo(12, 6); c.lineTo(12, 19); c.moveTo(9, 19); c.lineTo(15, 19)
            break
        case "music":
            c.moveTo(9, 17.5); c.lineTo(9, 5.5); c.lineTo(20, 3.5); c.lineTo(20, 15.5)
            c.stroke()
            c.beginPath(); c.ellipse(3.8, 14.8, 5.4, 4.6); c.ellipse(14.8, 12.8, 5.4, 4.6); c.fill()
            return
        case "clock":
            c.arc(12, 12, 8.5, 0, 2 * Math.PI); c.moveTo(12, 7.5); c.lineTo(12, 12); c.lineTo(15, 14)
            break
        case "history":
            c.arc(12, 12, 8.5, Math.PI * 1.1, Math.PI * 3.0, false)
            c.moveTo(3.2, 6.5); c.lineTo(3.7, 10.5); c.lineTo(7.5, 9.5)
            c.moveTo(12, 7.5); c.lineTo(12, 12); c.lineTo(15, 14)
            break
        case "save":
            c.moveTo(5, 4); c.lineTo(16, 4); c.lineTo(20, 8); c.lineTo(20, 19); c.quadraticCurveTo(20, 20, 19, 20)
            c.lineTo(5, 20); c.quadraticCurveTo(4, 20, 4, 19); c.lineTo(4, 5); c.quadraticCurveTo(4, 4, 5, 4)
            c.moveTo(8, 4); c.lineTo(8, 8.5); c.lineTo(15, 8.5); c.lineTo(15, 4)
            c.moveTo(8, 20); c.lineTo(8, 14); c.lineTo(16, 14); c.lineTo(16, 20)
            break
        case "new":
            c.moveTo(13.5, 3.5); c.lineTo(6, 3.5); c.quadraticCurveTo(5, 3.5, 5, 4.5); c.lineTo(5, 19.5)
            c.quadraticCurveTo(5, 20.5, 6, 20.5); c.lineTo(18, 20.5); c.quadraticCurveTo(19, 20.5, 19, 19.5)
            c.lineTo(19, 9); c.lineTo(13.5, 3.5); c.lineTo(13.5, 9); c.lineTo(19, 9)
            c.moveTo(12, 12); c.lineTo(12, 18); c.moveTo(9, 15); c.lineTo(15, 15)
            break
        case "trash":
            c.moveTo(4, 6.5); c.lineTo(20, 6.5); c.moveTo(9, 6.5); c.lineTo(9.5, 4); c.lineTo(14.5, 4); c.lineTo(15, 6.5)
            c.moveTo(6, 6.5); c.lineTo(7, 20); c.lineTo(17, 20); c.lineTo(18, 6.5)
            c.moveTo(10, 10); c.lineTo(10, 16.5); c.moveTo(14, 10); c.lineTo(14, 16.5)
            break
        case "rotl":
            c.arc(12, 13, 7, Math.PI * 1.0, Math.PI * 2.6, false)
            c.moveTo(5, 13); c.lineTo(3, 10); c.moveTo(5, 13); c.lineTo(8, 11)
            break
        case "rotr":
            c.arc(12, 13, 7, Math.PI * 2.0, Math.PI * 0.4, true)
            c.moveTo(19, 13); c.lineTo(21, 10); c.moveTo(19, 13); c.lineTo(16, 11)
            break
        case "undo":
            c.moveTo(8.5, 4.5); c.lineTo(4, 9); c.lineTo(8.5, 13.5); c.moveTo(4, 9); c.lineTo(14.5, 9)
            c.bezierCurveTo(18, 9, 20.5, 11.5, 20.5, 14.5); c.bezierCurveTo(20.5, 17.5, 18, 20, 14.5, 20); c.lineTo(10, 20)
            break
        case "redo":
            c.moveTo(15.5, 4.5); c.lineTo(20, 9); c.lineTo(15.5, 13.5); c.moveTo(20, 9); c.lineTo(9.5, 9)
            c.bezierCurveTo(6, 9, 3.5, 11.5, 3.5, 14.5); c.bezierCurveTo(3.5, 17.5, 6, 20, 9.5, 20); c.lineTo(14, 20)
            break
        case "edit":
            c.moveTo(4, 20); c.lineTo(5, 15.5); c.lineTo(15.5, 5); c.lineTo(19, 8.5); c.lineTo(8.5, 19); c.lineTo(4, 20)
            c.moveTo(13, 7.5); c.lineTo(16.5, 11)
            break
        case "back":
            c.moveTo(19, 12); c.lineTo(5, 12); c.moveTo(11, 6); c.lineTo(5, 12); c.lineTo(11, 18)
            break
        case "check":
            c.moveTo(5, 12.5); c.lineTo(10, 17.5); c.lineTo(19, 7)
            break
        case "close":
            c.moveTo(6, 6); c.lineTo(18, 18); c.moveTo(18, 6); c.lineTo(6, 18)
            break
        case "plus":
            c.moveTo(12, 5); c.lineTo(12, 19); c.moveTo(5, 12); c.lineTo(19, 12)
            break
        case "play":
            c.moveTo(8, 5); c.lineTo(19, 12); c.lineTo(8, 19); c.closePath()
            c.fill()
            return
        case "pause":
            c.roundedRect(6.5, 5, 4, 14, 1, 1); c.roundedRect(13.5, 5, 4, 14, 1, 1)
            c.fill()
            return
        case "up":
            c.moveTo(12, 19); c.lineTo(12, 5); c.moveTo(6, 11); c.lineTo(12, 5); c.lineTo(18, 11)
            break
        case "down":
            c.moveTo(12, 5); c.lineTo(12, 19); c.moveTo(6, 13); c.lineTo(12, 19); c.lineTo(18, 13)
            break
        case "help":
            c.arc(12, 12, 8.5, 0, 2 * Math.PI)
            c.moveTo(9.5, 9.5); c.quadraticCurveTo(9.5, 7, 12, 7); c.quadraticCurveTo(14.5, 7, 14.5, 9.5)
            c.quadraticCurveTo(14.5, 11, 12, 12.5); c.lineTo(12, 13.5)
            c.stroke()
            c.beginPath(); c.arc(12, 16.8, 1.1, 0, 2 * Math.PI); c.fill()
            return
        case "warning":
            c.moveTo(12, 3.5); c.lineTo(21, 19.5); c.lineTo(3, 19.5); c.closePath()
            c.moveTo(12, 9.5); c.lineTo(12, 13.5)
            c.stroke()
            c.beginPath(); c.arc(12, 16.5, 1.1, 0, 2 * Math.PI); c.fill()
            return
        }
        c.stroke()
    }
}
