#pragma once

#include "core/Die.h"
#include "mainwindow/FrmMain.h"
#include "records/Records.h"
#include "records/SettingsStore.h"
#include "sound/SoundPlayer.h"

#include <QPointer>

namespace fw {

// What lives for the whole run: the die, the settings store, the sound, the
// records (gBestTime, gBestPlayer, gTimesPlayed) and the one main window.
// Create it after the application object.
struct Module1 {
    ClockDie die;
    IniSettingsStore store;
    ModuleSoundPlayer sound;
    Records records;
    QPointer<FrmMain> gMainForm;

    // Creates the main window and loads it; the start-up window shows it.
    QWidget *createMainForm()
    {
        gMainForm = new FrmMain(die, store, records, sound);
        gMainForm->setAttribute(Qt::WA_DeleteOnClose);
        gMainForm->Form_Load();
        return gMainForm;
    }
};

} // namespace fw
