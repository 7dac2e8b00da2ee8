// The floor of the start-up benchmark: the least a Qt program does to show a window of the
// main window's size. With --text the window also shows one line of text, as a window with
// text must load fonts before it is shown.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lumacap"));
    window.setFixedSize(248, 115);
    if (argc > 1 && QByteArrayView(argv[1]) == "--text") {
        auto* line = new QLabel(QStringLiteral("Capturar"), &window);  // owned by the window
        line->move(10, 10);
        line->adjustSize();
    }
    window.show();
    return QApplication::exec();
}
