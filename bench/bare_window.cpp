// The floor of the start-up benchmark: the least a Qt program does to show a window of the
// main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lumacap"));
    window.setFixedSize(248, 115);
    window.show();
    return QApplication::exec();
}
