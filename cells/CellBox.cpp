#include "cells/CellBox.h"

#include "cells/CellMime.h"
#include "ui/Translations.h"

#include <QAccessible>

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace fw::cells {

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

// Focus that leaves and returns with the window, or with a popup, is the
// same focus as before.
bool keepsFocusSource(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
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

void CellBox::setHeld(bool held)
{
    if (held == m_held)
        return;
    m_held = held;
    update();
    QAccessible::State changed;
    changed.checked = changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
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

void CellBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit activated();
        return;
    case Qt::Key_Left:
        event->accept();
        emit stepped(Step::Left);
        return;
    case Qt::Key_Right:
        event->accept();
        emit stepped(Step::Right);
        return;
    case Qt::Key_Up:
        event->accept();
        emit stepped(Step::Up);
        return;
    case Qt::Key_Down:
        event->accept();
        emit stepped(Step::Down);
        return;
    default: QLineEdit::keyPressEvent(event); // locked: typing changes nothing
    }
}

// The frame shows only where the keyboard brought the focus, so a click
// looks as it always has.
void CellBox::focusInEvent(QFocusEvent *event)
{
    // The window coming back (after a drag, say) keeps what brought the focus.
    if (!keepsFocusSource(event->reason()))
        m_keyboardFocus = event->reason() != Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event);
    update(); // a locked box does not repaint for its caret
}

void CellBox::focusOutEvent(QFocusEvent *event)
{
    if (!keepsFocusSource(event->reason()))
        m_keyboardFocus = false;
    QLineEdit::focusOutEvent(event);
    update();
}

void CellBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!m_held && !(m_keyboardFocus && hasFocus()))
        return;
    QPainter painter(this);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (m_keyboardFocus && hasFocus()) {
        // Black outside white: clear on every colour a cell can have.
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(box);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(box.adjusted(2, 2, -2, -2));
    }
    if (m_held) {
        // Held: black and white corners, as if the tile were lifted off.
        const qreal arm = qMin(box.width(), box.height()) / 3;
        for (const auto &[color, width] :
            {std::pair {Qt::black, 4.0}, std::pair {Qt::white, 2.0}}) {
            painter.setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap));
            for (const QPointF corner :
                {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
                const qreal dx = corner.x() == box.left() ? arm : -arm;
                const qreal dy = corner.y() == box.top() ? arm : -arm;
                painter.drawLine(corner, corner + QPointF(dx, 0));
                painter.drawLine(corner, corner + QPointF(0, dy));
            }
        }
    }
}

CellBox *makeCell(QWidget *parent, ControlId id, const ui::ControlSpec &row)
{
    // A text box lays its text out at once, so it gets its face before its text.
    auto *cell = new CellBox(id, parent);
    ui::setFaceOf(cell, row.face);
    cell->setText(ui::Texts::tr(row.text));
    cell->setAlignment(row.align | Qt::AlignVCenter);
    cell->setDragSource(row.dragSource);
    cell->setAcceptDrops(row.dropTarget);
    return cell;
}

} // namespace fw::cells
