#pragma once

#include <QDialog>

class QTimer;

namespace fw {

class SoundPlayer;

// The celebration after a solve: a still picture, the dancers' animation,
// and the hound's sound at opening and every four seconds while it is open.
// It has no buttons; the player closes it with the frame's close control.
class FrmHooray final : public QDialog {
    Q_OBJECT
public:
    explicit FrmHooray(SoundPlayer &sound, QWidget *parent = nullptr);

public slots:
    // The tick of the four-second timer: the sound once more.
    void Timer1_Timer();

private:
    void Form_Load();

    SoundPlayer &m_sound;
    QTimer *m_timer = nullptr;
};

// Opens the celebration modally, centred on `centreOn` when given, and
// returns once the player has closed it.
void showHoorayModal(SoundPlayer &sound, QWidget *centreOn = nullptr);

} // namespace fw
