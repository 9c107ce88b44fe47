#include "records/FrmHooray.h"

#include "records/MediaFiles.h"
#include "records/RecordWindow.h"
#include "records/SoundPlayer.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QMovie>
#include <QPixmap>
#include <QTimer>

namespace fw {

namespace {

const QString kSoundFile = QStringLiteral("hound.wav");
const QString kAnimationFile = QStringLiteral("dancers.gif");
constexpr int kSoundRepeatMs = 4000;

} // namespace

FrmHooray::FrmHooray(SoundPlayer &sound, QWidget *parent)
    : QDialog(parent)
    , m_sound(sound)
{
    setUpRecordWindow(*this, QStringLiteral("frmHooray"),
        QStringLiteral("Congratulations!  You did it!"), ui::twipsSize(3552, 2748));

    // Created back to front: each control covers the ones made before it.
    ui::addPicture(this, QStringLiteral("Image1"), ui::twipsRect(120, 120, 3324, 2532),
                   QStringLiteral(":/pictures/hooray.gif"), QStringLiteral("A sun rising behind green hills"));

    // The animation plays stretched to its rectangle over the still picture,
    // which shows through its transparent parts. A missing or broken file
    // shows nothing.
    auto *dancers
        = ui::addPicture(this, QStringLiteral("DXAnimatedGIF1"), ui::twipsRect(960, 1560, 1812, 972),
                         QString(), QStringLiteral("Dancers celebrating your solve"));
    dancers->setFixedSize(dancers->size());
    auto *movie = new QMovie(findMediaFile(kAnimationFile), QByteArray(), dancers);
    dancers->setMovie(movie);
    if (movie->isValid())
        movie->start();

    // The sound plays through the SoundPlayer; this hidden control only
    // keeps the layout's place for it.
    auto *player = new QWidget(this);
    player->setObjectName(QStringLiteral("MMControl1"));
    player->setGeometry(ui::twipsRect(3000, 360, 3540, 615));
    player->hide();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(kSoundRepeatMs);
    connect(m_timer, &QTimer::timeout, this, &FrmHooray::Timer1_Timer);

    Form_Load();
}

void FrmHooray::Form_Load()
{
    playSound();
    m_timer->start();
}

void FrmHooray::Timer1_Timer()
{
    playSound();
}

void FrmHooray::playSound()
{
    m_sound.play(kSoundFile);
}

void showHoorayModal(SoundPlayer &sound, QWidget *centreOn)
{
    auto *window = new FrmHooray(sound);
    if (centreOn)
        centreWindowOn(*window, *centreOn);
    runModal(window);
}

} // namespace fw
