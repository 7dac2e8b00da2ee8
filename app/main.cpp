#include <QApplication>

#include "app/forms.h"
#include "app/look.h"
#include "app/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Hiding to the tray closes no window, and the program ends only with the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    applyLook();
    Forms forms;
    if (startProgram(QCoreApplication::applicationDirPath()) != 0) {
        return 1;
    }
    return QApplication::exec();
}
