#pragma once

#include <QString>

namespace fw {

// "Version 1.0.0": the program's major, minor and patch numbers as plain
// decimals, taken from the project version CMake declares.
QString versionText();

// The program's title, as the About box shows it.
QString applicationTitle();

} // namespace fw
