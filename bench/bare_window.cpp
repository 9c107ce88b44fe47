// The yardstick for start-up costs: a Qt Widgets program that shows one empty
// main window and waits. It is the same size as the game's main window
// (633 x 467) and has the same kind of name, so the first-paint hook can stop
// it the same way.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("frmBare"));
    window.resize(633, 467);
    window.show();
    return QApplication::exec();
}
