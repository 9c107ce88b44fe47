#include "celebration/FrmHooray.h"

#include "media/MediaFiles.h"
#include "records/RecordWindow.h"
#include "sound/SoundPlayer.h"
#include "ui/ControlTable.h"
#include "ui/Placing.h"
#include "ui/Translations.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QMovie>
#include <QTimer>

namespace fw {

namespace {

const QString kSoundFile = QStringLiteral("hound.wav");
const QString kAnimationFile = QStringLiteral("dancers.gif");
constexpr int kSoundRepeatMs = 4000;

using enum ui::ControlKind;

// The sound plays through the SoundPlayer; the hidden MMControl1 only keeps
// the layout's place for it. The animation plays over the still picture,
// which shows through its transparent parts.
// clang-format off
const std::array kControls{
    ui::ControlSpec{.kind = Line, .name = "MMControl1", .twips = {3000, 360, 3540, 615}, .hidden = true},
    ui::ControlSpec{.kind = Picture, .name = "DXAnimatedGIF1", .twips = {960, 1560, 1812, 972}, .spoken = QT_TRANSLATE_NOOP("Figurewheel", "Dancers celebrating your solve")},
    ui::ControlSpec{.kind = Picture, .name = "Image1", .twips = {120, 120, 3324, 2532}, .resource = ":/pictures/hooray.gif", .spoken = QT_TRANSLATE_NOOP("Figurewheel", "A sun rising behind green hills")},
};
// clang-format on

} // namespace

FrmHooray::FrmHooray(SoundPlayer &sound, QWidget *parent)
    : QDialog(parent)
    , m_sound(sound)
{
    setUpRecordWindow(*this, QStringLiteral("frmHooray"),
        ui::Texts::tr("Congratulations!  You did it!"), ui::twipsSize(3552, 2748));
    // The animation plays stretched to its rectangle; a missing or broken
    // file shows nothing.
    auto *dancers = ui::buildControls(this, kControls).get<QLabel>("DXAnimatedGIF1");
    dancers->setFixedSize(dancers->size());
    auto *movie = new QMovie(findMediaFile(kAnimationFile), QByteArray(), dancers);
    dancers->setMovie(movie);
    if (movie->isValid())
        movie->start();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(kSoundRepeatMs);
    connect(m_timer, &QTimer::timeout, this, &FrmHooray::Timer1_Timer);

    Form_Load();
}

void FrmHooray::Form_Load()
{
    m_sound.play(kSoundFile);
    m_timer->start();
}

void FrmHooray::Timer1_Timer()
{
    m_sound.play(kSoundFile);
}

void showHoorayModal(SoundPlayer &sound, QWidget *centreOn)
{
    auto *window = new FrmHooray(sound);
    if (centreOn)
        ui::centreOn(window, centreOn);
    runModal(window);
}

} // namespace fw
