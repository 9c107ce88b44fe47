#pragma once

#include "shell/MainWindowHandOver.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace fw {

// The splash window shown for half a second at start-up once the player is
// no longer new; its timer opens the main window and closes the splash.
class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(MainWindowFactory createMain);

    // The timer's tick: creates and loads the main window while the splash is
    // still on screen, closes the splash, then shows the main window. Runs once.
    void Timer1_Timer();

private:
    void layOut();
    void Form_Load();

    shell::MainWindowHandOver m_handOver;
    QTimer *m_timer1 = nullptr;
    QLabel *m_lblVersion = nullptr;
};

} // namespace fw
