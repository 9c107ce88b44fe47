#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Closes the next modal windows that open, as a player would, and reports
// what they showed.
struct ModalCloser {
    QStringList titles;
    QStringList names;
    QStringList nameFields;

    void closeNext(int count)
    {
        QTimer::singleShot(50, [this, count] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal) {
                closeNext(count);
                return;
            }
            titles << modal->windowTitle();
            names << modal->objectName();
            if (auto *name = modal->findChild<QLineEdit *>(QStringLiteral("txtName")))
                nameFields << name->text();
            modal->close();
            if (count > 1)
                closeNext(count - 1);
        });
    }
};
