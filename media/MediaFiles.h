#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace fw {

// The path of a media file named without a directory: looked for in the
// working directory, then beside the executable, then in the installed data
// directory. Returns the first that exists, or the bare name when none does.
QString findMediaFile(const QString &bareName);

// Folders to look in for a file installed with the game, in the order given:
// a relative one is taken from the program's own folder ("." is that folder
// itself), an absolute one as it is. Before the application object exists,
// the relative ones are left out.
QStringList foldersFromProgram(std::initializer_list<QString> folders);

} // namespace fw
