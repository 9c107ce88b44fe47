#pragma once

#include "board/Control.h"

#include <optional>

class QMimeData;

// The one format a dragged cell travels in: its typed identity.
namespace fw::cells {

inline constexpr char kCellMimeType[] = "application/x-figurewheel-cell";

QMimeData *encodeCell(ControlId cell);
std::optional<ControlId> decodeCell(const QMimeData *mime);

} // namespace fw::cells
