#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

// The text a control shows: a text box's, a label's, a button's or a
// frame's caption; none for anything else.
inline QString textOf(const QWidget *control)
{
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return {};
}
