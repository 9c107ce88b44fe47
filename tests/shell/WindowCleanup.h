#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QWidget>

// Helpers shared by the start-up window tests.
namespace shelltest {

// Runs the deletions that closed windows have scheduled.
inline void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Destroys every window a test left behind, so the next starts from none.
inline void destroyAllWindows()
{
    flushDeletions();
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows.append(w);
    for (const QPointer<QWidget> &w : windows)
        delete w.data(); // a child window may already have gone with its parent
    flushDeletions();
}

inline int visibleWindowsNamed(const QString &name)
{
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->isVisible() && w->objectName() == name ? 1 : 0;
    return count;
}

} // namespace shelltest
