#pragma once

#include "board/Control.h"

#include <QLineEdit>

namespace fw::ui {

// A one-line text box of the main window that takes no typing, built with
// its identity. A drag source starts a drag as soon as a mouse button goes
// down on it, with an outline of the cell following the pointer; any other
// cell reports the press. A drop target reports which cell was dropped.
class CellBox : public QLineEdit {
    Q_OBJECT
public:
    CellBox(ControlId id, QWidget *parent);

    ControlId id() const { return m_id; }
    void setDragSource(bool on) { m_dragSource = on; }
    bool isDragSource() const { return m_dragSource; }

signals:
    void pressed();
    void dropped(fw::ControlId source);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void startDrag(const QPoint &hotSpot);

    const ControlId m_id;
    bool m_dragSource = false;
};

} // namespace fw::ui
