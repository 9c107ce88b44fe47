#pragma once

#include "board/Control.h"
#include "board/Keyboard.h"
#include "ui/ControlTable.h"

#include <QLineEdit>

namespace fw::cells {

// A one-line text box of the main window that takes no typing, built with
// its identity. A drag source starts a drag as soon as a mouse button goes
// down on it, with an outline of the cell following the pointer; any other
// cell reports the press. A drop target reports which cell was dropped.
// From the keyboard, Space or Enter activates the cell and the arrow keys
// ask to move on; a cell reached by the keyboard shows a focus frame, and a
// cell picked up shows a held mark.
class CellBox : public QLineEdit {
    Q_OBJECT
public:
    CellBox(ControlId id, QWidget *parent);

    ControlId id() const { return m_id; }
    void setDragSource(bool on) { m_dragSource = on; }
    bool isDragSource() const { return m_dragSource; }
    void setHeld(bool held);
    bool isHeld() const { return m_held; }

signals:
    void pressed();
    void dropped(fw::ControlId source);
    void activated();
    void stepped(fw::Step step);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void startDrag(const QPoint &hotSpot);

    const ControlId m_id;
    bool m_dragSource = false;
    bool m_held = false;
    bool m_keyboardFocus = false;
};

// A cell as its row of the main window's table lays it out: its face, then
// its first text, alignment, and whether it is dragged and dropped on.
CellBox *makeCell(QWidget *parent, ControlId id, const ui::ControlSpec &row);

} // namespace fw::cells
