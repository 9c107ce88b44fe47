#include "ui/ScreenReader.h"

#include "ui/Announcer.h"
#include "ui/SmallWindow.h"

namespace fw::ui {

void installScreenReaderSupport()
{
    installAnnouncerAccessibility();
    installSmallWindowAccessibility();
}

} // namespace fw::ui
