#include "shell/Startup.h"

#include <utility>

namespace fw {

namespace {

constexpr std::int16_t kLaunchesWithTutorial = 15;

} // namespace

QWidget *Main(std::int16_t launchCount, MainWindowFactory createMain)
{
    QWidget *first = nullptr;
    if (launchCount >= kLaunchesWithTutorial)
        first = new FrmSplash(std::move(createMain));
    else
        first = new FrmNewUser(std::move(createMain));
    first->show();
    first->repaint(); // draw it now, before anything else runs
    return first;
}

} // namespace fw
