#include "ui/WindowSetUp.h"

#include "ui/Fonts.h"

#include <QWidget>

namespace fw::ui {

namespace {

void (*g_more)(QWidget &) = nullptr;

} // namespace

void setUpEveryWindowWith(void (*more)(QWidget &window))
{
    g_more = more;
}

void setUpWindow(QWidget &window, const QString &name, const QString &title)
{
    if (g_more)
        g_more(window);
    window.setObjectName(name);
    window.setWindowTitle(title);
    window.setFont(defaultFont());
}

} // namespace fw::ui
