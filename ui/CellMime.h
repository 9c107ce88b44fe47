#pragma once

#include <QString>

#include <optional>

class QMimeData;

// The one format a dragged cell travels in: the dragged cell's objectName,
// such as "txtNumber(3)" or "txtOp(4)".
namespace fw::ui {

inline constexpr char kCellMimeType[] = "application/x-figurewheel-cell";

QMimeData *encodeCell(const QString &cellName);
std::optional<QString> decodeCell(const QMimeData *mime);

// "txtGuess(3)" for array "txtGuess" and index 3, and back.
QString indexedName(const QString &array, int index);
std::optional<std::pair<QString, int>> splitIndexedName(const QString &name);

} // namespace fw::ui
