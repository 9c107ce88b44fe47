#pragma once

#include "celebration/FrmHooray.h"
#include "records/FrmBest.h"
#include "records/FrmNewRecord.h"
#include "records/Records.h"
#include "shell/FrmAbout.h"
#include "shell/FrmHelp.h"
#include "shell/FrmNewUser.h"
#include "shell/FrmSplash.h"
#include "sound/SoundPlayer.h"

#include <QStringList>
#include <QWidget>

#include <memory>

// The objectNames of every window of the game.
inline const QStringList kAllWindows {"frmMain", "frmSplash", "frmNewUser", "frmAbout", "frmHelp",
    "frmHooray", "frmNewRecord", "frmBest"};

// The one window factory: a fresh secondary window by name, as the game
// builds it (one that deletes itself when closed still does), owned by the
// caller; nullptr for "frmMain", which MainGame builds.
inline QWidget *newSecondaryWindow(
    const QString &name, QWidget *main, fw::SoundPlayer &sound, fw::Records &records)
{
    auto noMain = [] { return nullptr; };
    if (name == "frmSplash")
        return new fw::FrmSplash(noMain);
    if (name == "frmNewUser")
        return new fw::FrmNewUser(noMain);
    if (name == "frmAbout")
        return new fw::FrmAbout(main);
    if (name == "frmHelp")
        return new fw::FrmHelp(main);
    if (name == "frmHooray")
        return new fw::FrmHooray(sound);
    if (name == "frmNewRecord")
        return new fw::FrmNewRecord(records);
    if (name == "frmBest")
        return new fw::FrmBest(records);
    return nullptr;
}

// The same, kept alive by the caller: it is not deleted when closed.
inline std::unique_ptr<QWidget> makeSecondaryWindow(
    const QString &name, QWidget *main, fw::SoundPlayer &sound, fw::Records &records)
{
    std::unique_ptr<QWidget> window(newSecondaryWindow(name, main, sound, records));
    if (window)
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    return window;
}
