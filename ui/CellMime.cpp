#include "ui/CellMime.h"

#include <QMimeData>
#include <QRegularExpression>

namespace fw::ui {

QMimeData *encodeCell(const QString &cellName)
{
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(kCellMimeType), cellName.toUtf8());
    return mime;
}

std::optional<QString> decodeCell(const QMimeData *mime)
{
    const QString type = QString::fromLatin1(kCellMimeType);
    if (!mime || !mime->hasFormat(type))
        return std::nullopt;
    return QString::fromUtf8(mime->data(type));
}

QString indexedName(const QString &array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

std::optional<std::pair<QString, int>> splitIndexedName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z0-9]+)\\(([0-9])\\)$"));
    const auto match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    return std::make_pair(match.captured(1), match.captured(2).toInt());
}

} // namespace fw::ui
