import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import BTStyle

// The photo grid: click selects, Ctrl toggles, Shift extends; the arrow keys, Home and End move
// the selection (Shift extends it); dragging moves the selected slides, with a marker where
// they will land.
GridView {
    id: grid
    objectName: "slideGrid"
    property var selection: ({})
    property int selectionVersion: 0
    property int anchorRow: -1
    property int dropRow: -1
    property int draggedRow: -1
    // The keys' current slide, and the slide under the pointer: the one slide showing its buttons
    // is the pointer's, or without one the keys' current slide.
    property int cursorRow: -1
    property int pointerRow: -1
    property point pointerPosition: Qt.point(-1, -1)
    readonly property bool hasSeparator: project.usedSlidesNumber < project.slidesNumber
    readonly property int columns: Math.max(1, Math.floor((width - leftMargin - rightMargin) / Theme.thumbSize))
    signal removeRequested(var rows)
    signal durationRequested(int row, int durationType, real duration, int number)
    signal textEditRequested(int row, string text)
    signal locateRequested(int row, string fileName, string path)
    // Double-click on a slide (byKey false), or Space with the first selected row or -1.
    signal playRequested(int row, bool byKey)

    model: slides
    clip: true
    leftMargin: Theme.margin - 6
    rightMargin: Theme.margin - 6
    topMargin: Theme.gapLarge
    bottomMargin: Theme.gapLarge
    cellWidth: Math.floor((width - leftMargin - rightMargin) / columns)
    cellHeight: cellWidth
    boundsBehavior: Flickable.StopAtBounds
    cacheBuffer: cellHeight * 2
    reuseItems: true
    ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
    focus: true
    keyNavigationEnabled: false
    Keys.onSpacePressed: {
        var rows = selectedRows()
        playRequested(rows.length ? rows[0] : -1, true)
    }
    Keys.onPressed: (event) => {
        var steps = {}
        steps[Qt.Key_Left] = -1
        steps[Qt.Key_Right] = 1
        steps[Qt.Key_Up] = -columns
        steps[Qt.Key_Down] = columns
        steps[Qt.Key_Home] = -count
        steps[Qt.Key_End] = count
        if (steps[event.key] === undefined || (event.modifiers & Qt.ControlModifier))
            return
        moveCursor(steps[event.key], event.modifiers & Qt.ShiftModifier)
        event.accepted = true
    }

    // Hover events the window repeats for a pointer standing still do not take the buttons
    // back from the keys: only a move does.
    function pointerMovedTo(row, position) {
        if (position.x === pointerPosition.x && position.y === pointerPosition.y)
            return
        pointerPosition = position
        pointerRow = row
    }
    function isSeparatorRow(row) { return hasSeparator && row === project.usedSlidesNumber }
    // Moves the keys' current slide by step rows, over the separator, and selects it (or the
    // range from the anchor with Shift).
    function moveCursor(step, extend) {
        if (count === 0)
            return
        var from = cursorRow >= 0 && cursorRow < count ? cursorRow : anchorRow
        var to = from < 0 ? 0 : Math.max(0, Math.min(count - 1, from + step))
        if (isSeparatorRow(to))
            to += (step > 0 && to < count - 1) || to === 0 ? 1 : -1
        if (to < 0 || to >= count || isSeparatorRow(to))
            return
        pointerRow = -1
        if (extend && anchorRow >= 0) {
            clickRow(to, Qt.ShiftModifier)
        } else {
            setSelection([to])
            anchorRow = to
        }
        cursorRow = to
        positionViewAtIndex(to, GridView.Contain)
    }

    function isSelected(row) { return selectionVersion >= 0 && selection[row] === true }
    function selectedRows() {
        var rows = []
        for (var key in selection)
            if (selection[key] && Number(key) < count)
                rows.push(Number(key))
        rows.sort(function(a, b) { return a - b })
        return rows
    }
    function setSelection(rows) {
        var s = {}
        for (var i = 0; i < rows.length; ++i)
            s[rows[i]] = true
        selection = s
        selectionVersion++
    }
    function clearSelection() { setSelection([]) }
    function selectAll() {
        var rows = []
        for (var i = 0; i < count; ++i)
            if (!isSeparatorRow(i))
                rows.push(i)
        setSelection(rows)
    }
    function clickRow(row, modifiers) {
        if (modifiers & Qt.ShiftModifier && anchorRow >= 0) {
            var rows = []
            for (var i = Math.min(anchorRow, row); i <= Math.max(anchorRow, row); ++i)
                if (!isSeparatorRow(i))
                    rows.push(i)
            setSelection(rows)
            cursorRow = row
            return
        }
        if (modifiers & Qt.ControlModifier) {
            selection[row] = !selection[row]
            selectionVersion++
        } else if (!isSelected(row)) {
            setSelection([row])
        }
        anchorRow = row
        cursorRow = row
    }
    // The row the dragged slides go before (count means the end), from a point in the view.
    function dropRowAt(x, y) {
        var cx = x + contentX, cy = y + contentY
        var row = indexAt(cx, cy)
        if (row < 0)
            return cy < originY + topMargin ? 0 : count
        var cellX = (cx - leftMargin) % cellWidth
        return cellX > cellWidth / 2 ? row + 1 : row
    }
    function finishDrag() {
        if (draggedRow >= 0 && dropRow >= 0) {
            var rows = isSelected(draggedRow) ? selectedRows() : [draggedRow]
            project.move(rows, dropRow)
            clearSelection()
        }
        draggedRow = -1
        dropRow = -1
    }

    function scrollToEnd() { positionViewAtEnd() }
    function scrollToSeparator() { positionViewAtIndex(project.usedSlidesNumber, GridView.Center) }

    // Scrolled once the adding call has returned: the cells to make there are then their own
    // step of the event loop instead of lengthening the call that added hundreds of photos.
    Connections {
        target: project
        function onScrollToBottom() { Qt.callLater(grid.scrollToEnd) }
        function onScrollToSeparator() { Qt.callLater(grid.scrollToSeparator) }
        function onSlidesChanged() { grid.clearSelection() }
        // An undo or redo shows what it changed: those slides selected, the first in view.
        function onSlidesRestored(rows) {
            grid.setSelection(rows)
            if (rows.length > 0) {
                grid.anchorRow = rows[0]
                grid.cursorRow = rows[0]
                Qt.callLater(grid.positionViewAtIndex, rows[0], GridView.Contain)
            }
        }
    }

    delegate: Item {
        id: cell
        width: grid.cellWidth
        height: grid.cellHeight
        readonly property bool isSeparator: type === 1
        readonly property bool past: grid.hasSeparator && index > project.usedSlidesNumber

        MouseArea {
            id: mouse
            anchors.fill: parent
            enabled: !cell.isSeparator
            acceptedButtons: Qt.LeftButton
            property point start
            property bool moved: false
            onPressed: (mouse) => {
                start = Qt.point(mouse.x, mouse.y)
                moved = false
                grid.forceActiveFocus()
                if (!(mouse.modifiers & (Qt.ShiftModifier | Qt.ControlModifier)) && grid.isSelected(index))
                    return
                grid.clickRow(index, mouse.modifiers)
            }
            onPositionChanged: (mouse) => {
                if (!moved && Math.abs(mouse.x - start.x) + Math.abs(mouse.y - start.y) > 10) {
                    moved = true
                    grid.draggedRow = index
                }
                if (moved) {
                    var p = mapToItem(grid, mouse.x, mouse.y)
                    grid.dropRow = grid.dropRowAt(p.x, p.y)
                    ghost.x = p.x - ghost.width / 2
                    ghost.y = p.y - ghost.height / 2
                    autoScroll.direction = p.y < 40 ? -1 : p.y > grid.height - 40 ? 1 : 0
                }
            }
            onReleased: (mouse) => {
                autoScroll.direction = 0
                if (moved)
                    grid.finishDrag()
                else if (!(mouse.modifiers & (Qt.ShiftModifier | Qt.ControlModifier)))
                    grid.setSelection([index])
            }
            onCanceled: { autoScroll.direction = 0; grid.draggedRow = -1; grid.dropRow = -1 }
            onDoubleClicked: grid.playRequested(index, false)
        }
        SlideCard {
            objectName: "slide" + index
            anchors.fill: parent
            kind: type
            imgId: model.imgId || ""
            slideText: model.text || ""
            rotation90: slideRotation
            durationType: model.durationType
            ownDuration: model.duration
            length: model.length
            number: cell.past ? index : index + 1
            selected: grid.isSelected(index)
            excluded: cell.past
            missing: model.missing === true
            unreadable: model.unreadable === true
            fileName: model.fileName || ""
            path: model.path || ""
            dragging: grid.draggedRow >= 0 && (grid.draggedRow === index || (grid.isSelected(grid.draggedRow) && grid.isSelected(index)))
            onRotateLeft: project.setRotation(index, slideRotation - 1)
            onRotateRight: project.setRotation(index, slideRotation + 1)
            onRemove: grid.removeRequested(grid.isSelected(index) ? grid.selectedRows() : [index])
            onEditDuration: grid.durationRequested(index, model.durationType, model.duration, number)
            onEditText: grid.textEditRequested(index, model.text)
            onLocate: grid.locateRequested(index, model.fileName, model.path)
            showActions: grid.pointerRow === index
                         || (grid.pointerRow < 0 && grid.activeFocus && grid.cursorRow === index && selected)
            onPointerMoved: (scenePosition) => grid.pointerMovedTo(index, scenePosition)
            onHoveredChanged: if (!hovered && grid.pointerRow === index) grid.pointerRow = -1
        }
    }

    // Where the dragged slides will land.
    Rectangle {
        id: marker
        visible: grid.dropRow >= 0
        readonly property int row: Math.min(grid.dropRow, grid.count)
        readonly property int col: row % grid.columns
        readonly property bool atEnd: row === grid.count && grid.count > 0 && col === 0
        width: 4
        radius: 2
        height: grid.cellHeight - 16
        color: Theme.accent
        x: grid.leftMargin + (atEnd ? grid.columns : col) * grid.cellWidth - 2 - grid.contentX
        y: grid.topMargin + Math.floor((atEnd ? row - 1 : row) / grid.columns) * grid.cellHeight + 8 - grid.contentY + grid.originY
        z: 10
    }
    Rectangle {
        id: ghost
        visible: grid.draggedRow >= 0
        width: 96
        height: 96
        radius: Theme.radius
        color: Theme.accent
        opacity: 0.85
        z: 11
        Label {
            anchors.centerIn: parent
            color: Theme.textOnAccent
            font.weight: Font.DemiBold
            text: appWindow.slidesText(grid.draggedRow >= 0 && grid.isSelected(grid.draggedRow) ? grid.selectedRows().length : 1)
        }
    }
    Timer {
        id: autoScroll
        property int direction: 0
        interval: 16
        repeat: true
        running: direction !== 0
        onTriggered: {
            var next = grid.contentY + direction * 12
            grid.contentY = Math.max(grid.originY - grid.topMargin, Math.min(next, grid.contentHeight + grid.originY - grid.height + grid.bottomMargin))
        }
    }
}
