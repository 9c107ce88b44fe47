#pragma once

#include "shell/MainWindowHandOver.h"

#include <QWidget>

class QLabel;

namespace fw {

// The tutorial that greets a new player with a worked example; its button
// leads on to the main window. Closing it by its frame opens nothing.
class FrmNewUser : public QWidget {
    Q_OBJECT
public:
    explicit FrmNewUser(MainWindowFactory createMain);

    // Creates and loads the main window while the tutorial is still on
    // screen, closes the tutorial, then shows the main window. Runs once.
    void Command1_Click();

private:
    void layOut();
    void Form_Load();

    shell::MainWindowHandOver m_handOver;
    QLabel *m_lblVersion = nullptr;
};

} // namespace fw
