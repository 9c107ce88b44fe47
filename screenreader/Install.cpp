#include "screenreader/Install.h"

#include "screenreader/Announcer.h"
#include "screenreader/CellReading.h"
#include "screenreader/WindowReading.h"

namespace fw::screenreader {

void install()
{
    installAnnouncerReading();
    installWindowReading();
    installCellReading();
}

} // namespace fw::screenreader
