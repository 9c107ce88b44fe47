#include "shell/WindowLayout.h"

#include "ui/Twips.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <iterator>

namespace fw::shell {

QLabel *addTextLabel(QWidget *parent, const QString &name, const QRect &rect, const QString &text,
                     const QFont &font, const QColor &textColor, Qt::Alignment horizontal)
{
    QLabel *label = ui::addLabel(parent, name, rect, text, font, textColor);
    label->setTextFormat(Qt::PlainText); // keeps runs of blanks as typed
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

QGroupBox *addFrame(QWidget *parent, const QString &name, const QRect &rect)
{
    auto *frame = new QGroupBox(parent);
    frame->setObjectName(name);
    frame->setGeometry(rect);
    return frame;
}

void fitToText(QLabel *label)
{
    const QRect old = label->geometry();
    const QSize size = label->sizeHint();
    QRect fitted(old.topLeft(), size);
    if (label->alignment() & Qt::AlignRight)
        fitted.moveRight(old.right());
    label->setGeometry(fitted);
}

void fitTextsToWidths(std::initializer_list<QLabel *> labels)
{
    for (QLabel *label : labels)
        ui::fitTextToWidth(label);
}

void stackFrontToBack(std::initializer_list<QWidget *> frontToBack)
{
    // Raising from the back forward leaves the first widget on top.
    for (auto it = std::rbegin(frontToBack); it != std::rend(frontToBack); ++it)
        (*it)->raise();
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is not known before the window is first shown, so it is the
    // client area that goes to the middle (move() would place the frame's
    // corner, unknown frame and all).
    QRect placed(QPoint(), window->size());
    placed.moveCenter(screen->availableGeometry().center());
    window->setGeometry(placed);
}

} // namespace fw::shell
