// How the main window is built: its menu, its controls from the table, its
// keys, and which handler each control's event calls.
#include "mainwindow/FrmMain.h"

#include "cells/CellBox.h"
#include "mainwindow/MainControls.h"
#include "screenreader/Announcer.h"
#include "ui/ClientArea.h"
#include "ui/Fonts.h"
#include "ui/Translations.h"
#include "ui/Twips.h"

#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace fw {

namespace {

// The client area as designed, below the menu bar.
constexpr int kClientWidth = 9504;
constexpr int kClientHeight = 6648;

} // namespace

void FrmMain::buildShortcuts()
{
    const auto shortcut = [this](QKeySequence keys, auto handler) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    shortcut(QKeySequence::New, &FrmMain::cmdNew_Click);
    shortcut(QKeySequence::HelpContents, &FrmMain::mnuHelp_Click);
    shortcut(QKeySequence::Quit, &QWidget::close);
    shortcut(QKeySequence(Qt::Key_Escape), &FrmMain::releaseHand);
    shortcut(QKeySequence(Qt::Key_S), &FrmMain::sayStatus);
}

void FrmMain::buildMenu()
{
    // The menu stays in the window, also on desktops with a global menu bar.
    menuBar()->setNativeMenuBar(false);
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    const auto entry = [this](const char *name, const char *caption, void (FrmMain::*handler)()) {
        QAction *action = menuBar()->addAction(ui::Texts::tr(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    entry("mnuBest", QT_TRANSLATE_NOOP("Figurewheel", "Who's the Best?"), &FrmMain::mnuBest_Click);
    entry("mnuHelp", QT_TRANSLATE_NOOP("Figurewheel", "How Do I Play?"), &FrmMain::mnuHelp_Click);
    entry("mnuHelpAbout", QT_TRANSLATE_NOOP("Figurewheel", "Who Wrote Figurewheel?"),
        &FrmMain::mnuHelpAbout_Click);
}

void FrmMain::buildLayout()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Figurewheel"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ui::defaultFont());
    buildMenu();

    auto *client = new ui::ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    m_controls = buildMainControls(client);
    client->toolbar = control({Control::Toolbar1});
    client->statusBar = control({Control::sbStatusBar});
    client->resize(ui::twipsSize(kClientWidth, kClientHeight));
    m_announcer = new screenreader::Announcer(this);
}

void FrmMain::connectControls()
{
    for (const auto &[id, widget] : m_controls) {
        if (auto *cell = qobject_cast<cells::CellBox *>(widget)) {
            connect(cell, &cells::CellBox::dropped, this,
                [this, target = id](ControlId source) { cellDropped(target, source); });
            connect(
                cell, &cells::CellBox::pressed, this, [this, target = id] { cellPressed(target); });
            connect(cell, &cells::CellBox::activated, this,
                [this, target = id] { cellActivated(target); });
            connect(cell, &cells::CellBox::stepped, this,
                [this, target = id](Step step) { cellStepped(target, step); });
        } else if (id.kind == Control::cmdNums) {
            connect(static_cast<QPushButton *>(widget), &QPushButton::clicked, this,
                [this, n = id.index] { cmdNums_Click(n); });
        }
    }
    const auto clicked = [this](Control kind, void (FrmMain::*handler)()) {
        connect(static_cast<QPushButton *>(control({kind})), &QPushButton::clicked, this, handler);
    };
    clicked(Control::cmdNew, &FrmMain::cmdNew_Click);
    clicked(Control::cmdHint, &FrmMain::cmdHint_Click);
    clicked(Control::cmdAnswers, &FrmMain::cmdAnswers_Click);
    connect(&m_timer1, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    connect(&m_timer2, &QTimer::timeout, this, &FrmMain::Timer2_Timer);
}

} // namespace fw
