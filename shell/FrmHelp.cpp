#include "shell/FrmHelp.h"

#include "shell/HelpPicture.h"
#include "ui/ControlTable.h"
#include "ui/Pictures.h"
#include "ui/Translations.h"
#include "ui/Twips.h"
#include "ui/WindowSetUp.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace fw {

namespace {

// Closes a window when the window it belongs to is closed, hidden by the
// program or destroyed. Minimising the owner is left alone.
class CloseWithOwner : public QObject {
public:
    CloseWithOwner(QWidget *window, QWidget *owner)
        : QObject(window)
        , m_window(window)
    {
        owner->installEventFilter(this);
        connect(owner, &QObject::destroyed, m_window, &QWidget::close);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && !event->spontaneous())
            m_window->close();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
};

} // namespace

FrmHelp::FrmHelp(QWidget *owner)
    : QWidget(nullptr, Qt::Window)
    , m_owner(owner)
{
    layOut();
    if (owner)
        new CloseWithOwner(this, owner);
}

QWidget *FrmHelp::owner() const
{
    return m_owner;
}

void FrmHelp::layOut()
{
    ui::setUpWindow(*this, QStringLiteral("frmHelp"), ui::Texts::tr("How do I play Figurewheel?"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(ui::twipsSize(9732, 6984));
    // The picture shipped is English; another language draws it anew.
    const QImage translated = translatedHelpPicture();
    auto *picture = static_cast<QLabel *>(ui::buildControl(this,
        {.kind = ui::ControlKind::Picture,
            .name = "Image1",
            .twips = {120, 120, 9612, 6732},
            .resource = translated.isNull() ? ":/pictures/help.bmp" : nullptr,
            .spoken = QT_TRANSLATE_NOOP("Figurewheel",
                "How to play: choose how many numbers, drag numbers and operators into "
                "your guess until it matches the target, and use Answer or Hint when "
                "you are stuck")}));
    if (!translated.isNull())
        picture->setPixmap(
            ui::scaledPicture(translated, picture->size(), picture->devicePixelRatioF()));
}

void showHelp(QWidget *owner)
{
    // A closed help window is hidden until its deletion comes round; it does
    // not count as open.
    FrmHelp *help = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *candidate = qobject_cast<FrmHelp *>(window);
        if (candidate && candidate->isVisible() && candidate->owner() == owner) {
            help = candidate;
            break;
        }
    }
    if (!help)
        help = new FrmHelp(owner);
    help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace fw
