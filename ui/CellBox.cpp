#include "ui/CellBox.h"

#include "ui/CellMime.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace fw::ui {

namespace {

// What follows the pointer during a drag: the cell's outline, as large as
// the cell, see-through inside.
QPixmap outlineOf(const QWidget *cell)
{
    const qreal ratio = cell->devicePixelRatioF();
    QPixmap outline(cell->size() * ratio);
    outline.setDevicePixelRatio(ratio);
    outline.fill(Qt::transparent);
    QPainter painter(&outline);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(QRectF(QPointF(1, 1), QSizeF(cell->size()) - QSizeF(2, 2)));
    return outline;
}

// Only dragged cells may be dropped here.
void acceptCells(QDragMoveEvent *event)
{
    if (decodeCell(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace

CellBox::CellBox(ControlId id, QWidget *parent)
    : QLineEdit(parent)
    , m_id(id)
{
    setReadOnly(true);
    setDragEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::Text);
    setTextMargins(0, 0, 0, 0);
}

void CellBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (m_dragSource) {
        startDrag(event->position().toPoint());
        return;
    }
    emit pressed();
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
    drag->setMimeData(encodeCell(m_id));
    drag->setPixmap(outlineOf(this));
    drag->setHotSpot(hotSpot);
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void CellBox::dragEnterEvent(QDragEnterEvent *event)
{
    acceptCells(event);
}

void CellBox::dragMoveEvent(QDragMoveEvent *event)
{
    acceptCells(event);
}

void CellBox::dropEvent(QDropEvent *event)
{
    const auto source = decodeCell(event->mimeData());
    if (!source) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped(*source);
}

} // namespace fw::ui
