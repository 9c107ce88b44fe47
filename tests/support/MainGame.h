#pragma once

#include "mainwindow/FrmMain.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "support/ControlText.h"
#include "support/CountingSound.h"
#include "support/ScriptedDie.h"

#include <QLineEdit>
#include <QPointer>

#include <vector>

// Pool 4, 2, 5 (and three hidden draws), hidden row 5 X 4 + 2 = 22.
inline const std::vector<int> kFirstPuzzle {4, 2, 5, 1, 1, 1, 2, 4, 3, 1, 1};

// The one main-window fixture: the main window on a scripted die, with the
// game's settings store, records of its own and a sound that only counts;
// loaded and shown unless asked to stop before. The window is made on the
// heap, so a test may have closing delete it as the game does
// (WA_DeleteOnClose): `alive` then turns null.
struct MainGame {
    enum Start { Built, Loaded, Shown };

    ScriptedDie die;
    fw::IniSettingsStore store;
    fw::Records records;
    CountingSound sound;
    QPointer<fw::FrmMain> alive = new fw::FrmMain(die, store, records, sound);
    fw::FrmMain &window = *alive;

    explicit MainGame(const std::vector<int> &faces = kFirstPuzzle, Start start = Shown)
    {
        die.push(faces);
        if (start >= Loaded)
            window.Form_Load();
        if (start >= Shown)
            window.show();
    }
    MainGame(const MainGame &) = delete;
    MainGame &operator=(const MainGame &) = delete;
    ~MainGame() { delete alive; }

    template <typename T = QLineEdit> T *cell(const QString &name) const
    {
        auto *widget = window.findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QString text(const QString &name) const { return textOf(cell<QWidget>(name)); }
};
