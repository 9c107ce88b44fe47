#include "ui/CellBox.h"

#include "ui/CellMime.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>

namespace fw::ui {

CellBox::CellBox(const QString &name, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setDragEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    // The background colour is read back through backgroundRole() to tell an
    // operator from a number, so the role must be the one the box paints.
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setTextMargins(0, 0, 0, 0);
}

void CellBox::setDropTarget(bool on)
{
    setAcceptDrops(on);
}

void CellBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (m_dragSource) {
        startDrag(event->position().toPoint());
        return;
    }
    emit pressed(event->button());
}

// Presses are fully handled on the way down: no caret, no selection.
void CellBox::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void CellBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void CellBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void CellBox::startDrag(const QPoint &hotSpot)
{
    auto *drag = new QDrag(this);
    drag->setMimeData(encodeCell(objectName()));
    drag->setPixmap(grab());
    drag->setHotSpot(hotSpot);
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void CellBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (decodeCell(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CellBox::dragMoveEvent(QDragMoveEvent *event)
{
    if (decodeCell(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CellBox::dropEvent(QDropEvent *event)
{
    const auto source = decodeCell(event->mimeData());
    if (!source) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit cellDropped(*source);
}

} // namespace fw::ui
