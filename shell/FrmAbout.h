#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace fw {

// The About box: the program's title and version text, closed with OK,
// Enter or Escape.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *owner);

    void cmdOK_Click();

private:
    void layOut();
    void Form_Load();

    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
};

// Opens the About box modally, owned by and centred on owner, and returns
// once it has been closed. Every opening builds the box afresh.
void showAboutModal(QWidget *owner);

} // namespace fw
