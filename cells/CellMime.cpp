#include "cells/CellMime.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace fw::cells {

QMimeData *encodeCell(ControlId cell)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << quint8(cell.kind) << qint32(cell.index);
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(kCellMimeType), bytes);
    return mime;
}

std::optional<ControlId> decodeCell(const QMimeData *mime)
{
    const QString type = QString::fromLatin1(kCellMimeType);
    if (!mime || !mime->hasFormat(type))
        return std::nullopt;
    QDataStream in(mime->data(type));
    quint8 kind = 0;
    qint32 index = 0;
    in >> kind >> index;
    if (in.status() != QDataStream::Ok || kind > quint8(Control::sbStatusBar))
        return std::nullopt;
    return ControlId {Control(kind), index};
}

} // namespace fw::cells
