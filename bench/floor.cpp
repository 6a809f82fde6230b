// The floor the program's start-up and memory are measured against: Qt Widgets with nothing of the game,
// one window of the main window's client size and one label; with --vollbild, full screen.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QLabel label(QStringLiteral("Pelko-Morvelt"), &window);
    label.move(20, 20);
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--vollbild")) {
        window.showFullScreen();
    } else {
        window.setFixedSize(691, 429);
        window.show();
    }
    return app.exec();
}
