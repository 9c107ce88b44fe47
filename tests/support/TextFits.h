#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QWidget>

// Where a control's text does not fit it, readable in a failure message, or
// an empty string when it fits: a label's line within its contents' width
// (a wrapped label's lines within its height), a button's text within its
// frame with a little air on each side.
inline QString overrun(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control)) {
        const QString text = label->text();
        if (text.isEmpty())
            return {};
        const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                             : label->fontMetrics().horizontalAdvance(text);
        const int room = label->wordWrap() ? label->height()
                                           : label->contentsRect().width() - 2 * label->margin();
        if (needed > room)
            return QStringLiteral("%1 \"%2\" %3 > %4")
                .arg(label->objectName(), text)
                .arg(needed)
                .arg(room);
        return {};
    }
    if (auto *button = qobject_cast<const QAbstractButton *>(control)) {
        const QString text = button->text();
        const int margin
            = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 2;
        const int needed = button->fontMetrics().horizontalAdvance(text) + 2 * margin;
        if (!text.isEmpty() && needed > button->width())
            return QStringLiteral("%1 \"%2\" %3 > %4")
                .arg(button->objectName(), text)
                .arg(needed)
                .arg(button->width());
    }
    return {};
}

// The labels and buttons on view in a window whose texts do not fit them.
inline QStringList overrunning(const QWidget *window)
{
    QStringList overruns;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isVisibleTo(window))
            if (const QString problem = overrun(control); !problem.isEmpty())
                overruns << problem;
    }
    return overruns;
}
