#pragma once

#include <QLineEdit>

namespace fw::ui {

// A one-line text box of the main window that takes no typing. A drag
// source starts a drag as soon as a mouse button goes down on it, with its
// own image following the pointer; any other cell reports the press. A drop
// target accepts dragged cells and reports which one was dropped.
class CellBox : public QLineEdit {
    Q_OBJECT
public:
    explicit CellBox(const QString &name, QWidget *parent = nullptr);

    void setDragSource(bool on) { m_dragSource = on; }
    bool isDragSource() const { return m_dragSource; }
    void setDropTarget(bool on);

signals:
    void pressed(Qt::MouseButton button);
    void cellDropped(const QString &sourceName);

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

    bool m_dragSource = false;
};

} // namespace fw::ui
