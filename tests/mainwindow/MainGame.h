#pragma once

#include "mainwindow/FrmMain.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "support/ControlText.h"
#include "support/CountingSound.h"
#include "support/ScriptedDie.h"

#include <QLineEdit>

#include <vector>

// Pool 4, 2, 5 (and three hidden draws), hidden row 5 X 4 + 2 = 22.
inline const std::vector<int> kFirstPuzzle {4, 2, 5, 1, 1, 1, 2, 4, 3, 1, 1};

// The main window on a scripted die, loaded and shown, with its own
// records and a sound that only counts.
struct MainGame {
    ScriptedDie die;
    fw::IniSettingsStore store;
    fw::Records records;
    CountingSound sound;
    fw::FrmMain window {die, store, records, sound};

    explicit MainGame(const std::vector<int> &faces = kFirstPuzzle)
    {
        die.push(faces);
        window.Form_Load();
        window.show();
    }
    template <typename T = QLineEdit> T *cell(const QString &name) const
    {
        auto *widget = window.findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QString text(const QString &name) const { return textOf(cell<QWidget>(name)); }
};
