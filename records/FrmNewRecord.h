#pragma once

#include <QDialog>

class QLineEdit;

namespace fw {

struct Records;

// Asks the player who has just set a new best time for a name. The field
// starts with the previous holder; whatever it holds when the window goes
// away becomes the holder, unchanged (empty text included). The window has
// no buttons: the player closes it with the frame's close control, or
// with Enter.
class FrmNewRecord final : public QDialog {
    Q_OBJECT
public:
    explicit FrmNewRecord(Records &records, QWidget *parent = nullptr);
    ~FrmNewRecord() override;

private:
    void Form_Load();
    void Form_Unload();

    Records &m_records;
    QLineEdit *m_txtName = nullptr;
};

// Opens the name window modally and returns once the player has closed it,
// with the name in records.gBestPlayer.
void showNewRecordModal(Records &records);

} // namespace fw
