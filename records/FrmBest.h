#pragma once

#include <QDialog>

namespace fw {

struct Records;

// Shows the best time and its holder on dark blue; closed with the frame's
// close control.
class FrmBest final : public QDialog {
    Q_OBJECT
public:
    explicit FrmBest(const Records &records, QWidget *parent = nullptr);
};

// Opens the best-time window modally and returns once it has been closed.
void showBestModal(const Records &records);

} // namespace fw
