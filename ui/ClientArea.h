#pragma once

#include <QWidget>

namespace fw::ui {

// A window's client area that keeps every control where it was laid out;
// only its toolbar strip and status bar follow its width, docked top and
// bottom.
class ClientArea : public QWidget {
public:
    using QWidget::QWidget;
    QWidget *toolbar = nullptr;
    QWidget *statusBar = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace fw::ui
