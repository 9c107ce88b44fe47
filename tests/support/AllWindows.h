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

// A fresh secondary window by name, kept alive by the caller (it is not
// deleted when closed); nullptr for "frmMain", which the caller owns.
inline std::unique_ptr<QWidget> makeSecondaryWindow(
    const QString &name, QWidget *main, fw::SoundPlayer &sound, fw::Records &records)
{
    auto noMain = [] { return nullptr; };
    std::unique_ptr<QWidget> window;
    if (name == "frmSplash")
        window = std::make_unique<fw::FrmSplash>(noMain);
    else if (name == "frmNewUser")
        window = std::make_unique<fw::FrmNewUser>(noMain);
    else if (name == "frmAbout")
        window = std::make_unique<fw::FrmAbout>(main);
    else if (name == "frmHelp")
        window = std::make_unique<fw::FrmHelp>(main);
    else if (name == "frmHooray")
        window = std::make_unique<fw::FrmHooray>(sound);
    else if (name == "frmNewRecord")
        window = std::make_unique<fw::FrmNewRecord>(records);
    else if (name == "frmBest")
        window = std::make_unique<fw::FrmBest>(records);
    if (window)
        window->setAttribute(Qt::WA_DeleteOnClose, false);
    return window;
}
