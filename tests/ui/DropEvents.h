#pragma once

#include "ui/CellMime.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <memory>

// Delivers a whole drag of the named cell onto `target` as the platform
// would: enter, move, drop. Returns whether the target took the drop.
inline bool dropCell(QWidget *target, const QString &sourceName)
{
    std::unique_ptr<QMimeData> mime(fw::ui::encodeCell(sourceName));
    const QPoint pos = target->rect().center();
    QDragEnterEvent enter(pos, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(pos, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(pos), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}
