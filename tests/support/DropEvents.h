#pragma once

#include "cells/CellBox.h"
#include "cells/CellMime.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

#include <memory>

// Delivers a whole drag carrying `mime` onto `target` as the platform
// would: enter, move, drop. Returns whether the target took the drop.
inline bool dropMime(QWidget *target, const QMimeData *mime)
{
    const QPoint pos = target->rect().center();
    QDragEnterEvent enter(pos, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(pos, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(pos), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// A drag of the cell with this identity.
inline bool dropCell(QWidget *target, fw::ControlId source)
{
    std::unique_ptr<QMimeData> mime(fw::cells::encodeCell(source));
    return dropMime(target, mime.get());
}

// A drag of the named cell of target's window.
inline bool dropCell(QWidget *target, const QString &sourceName)
{
    auto *source = target->window()->findChild<fw::cells::CellBox *>(sourceName);
    if (!source)
        qFatal("no cell named %s", qPrintable(sourceName));
    return dropCell(target, source->id());
}
