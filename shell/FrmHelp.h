#pragma once

#include <QPointer>
#include <QWidget>

namespace fw {

// The help window: one annotated picture of the main window, nothing else.
// It is a window of its own that remembers the window it helps with and
// closes when that window goes away.
class FrmHelp : public QWidget {
    Q_OBJECT
public:
    explicit FrmHelp(QWidget *owner = nullptr);

    QWidget *owner() const;

private:
    void layOut();

    QPointer<QWidget> m_owner;
};

// Shows owner's help window without blocking. The first call creates it; while
// it is open, further calls bring the same window to the front; once closed,
// it is gone and the next call builds it afresh.
void showHelp(QWidget *owner);

} // namespace fw
