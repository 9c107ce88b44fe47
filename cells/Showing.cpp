#include "cells/Showing.h"

#include "ui/Fonts.h"
#include "ui/Translations.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <variant>

namespace fw::cells {

QString textFor(const ShownText &text)
{
    if (const auto *written = std::get_if<std::string>(&text))
        return QString::fromStdString(*written);
    return std::get<Closing>(text) == Closing::YoureDone ? ui::Texts::tr("You're done!")
                                                         : ui::Texts::tr("!!!Way to go!!!");
}

void showOn(QWidget *widget, const Shown &shown)
{
    if (shown.text) {
        const QString text = textFor(*shown.text);
        if (auto *box = qobject_cast<QLineEdit *>(widget); box && box->text() != text) {
            box->setText(text);
        } else if (auto *label = qobject_cast<QLabel *>(widget); label && label->text() != text) {
            label->setText(text);
            if (label->isVisible()) // a hidden one is fitted when it appears
                ui::fitTextToWidth(label);
        }
    }
    if (shown.points) {
        const QFont font = ui::gameFont(*shown.points);
        if (widget->font() != font)
            widget->setFont(font);
    }
    if (widget->isVisibleTo(widget->parentWidget()) != shown.visible)
        widget->setVisible(shown.visible);
}

void syncTimer(QTimer &timer, const TimerState &state, unsigned &seenStarts)
{
    if (!state.running())
        timer.stop();
    else if (!timer.isActive() || timer.interval() != state.interval || seenStarts != state.starts)
        timer.start(state.interval);
    seenStarts = state.starts;
}

} // namespace fw::cells
