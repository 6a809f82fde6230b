// The floor the program's start-up and memory are measured against: Qt Widgets with nothing of the game,
// one window of the main window's client size and one label.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(691, 429);
    QLabel label(QStringLiteral("Pelko-Morvelt"), &window);
    label.move(20, 20);
    window.show();
    return app.exec();
}
