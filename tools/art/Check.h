#pragma once

#include <QString>

// Reads every generated file back the way the game will (QImageReader,
// QMovie) and checks its format, size and colours. Prints one line per file
// and returns whether all passed.
namespace art {

bool checkAssets(const QString &root);

} // namespace art
