#pragma once

#include <QWidget>

namespace fw::screenreader {

// Tells a screen reader what no focused control says: each line appears to
// assistive technology as a notification of the window, which the reader
// speaks as it appears. It takes no room on screen and draws nothing.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    void announce(const QString &line);
};

// Makes every announcer a notification to assistive technology
// (install does, as the program starts).
void installAnnouncerReading();

} // namespace fw::screenreader
