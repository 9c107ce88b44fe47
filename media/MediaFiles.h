#pragma once

#include <QString>

namespace fw {

// The path of a media file named without a directory: looked for in the
// working directory, then beside the executable, then in the installed data
// directory. Returns the first that exists, or the bare name when none does.
QString findMediaFile(const QString &bareName);

} // namespace fw
