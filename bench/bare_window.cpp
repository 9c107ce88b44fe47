// The yardstick for start-up costs: a Qt Widgets program that shows one empty
// main window and waits. It is the same size as the game's main window
// (633 x 467) and has the same kind of name, so the first-paint hook can stop
// it the same way.
//
// With --label the window holds one line of text, which shows what the first
// text on screen costs (font database, one font, shaping) on its own.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("frmBare"));
    window.resize(633, 467);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
        window.setCentralWidget(new QLabel(QStringLiteral("Figurewheel"), &window));
    window.show();
    return QApplication::exec();
}
