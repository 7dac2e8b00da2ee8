#include <QApplication>

#include "app/forms.h"
#include "app/look.h"
#include "app/program.h"
#include "platform/font_warmup.h"

int main(int argc, char* argv[]) {
    // The font configuration is read while the display connection is being made.
    platform::FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    // Hiding to the tray closes no window, and the program ends only with the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    applyLook();
    Forms forms;
    if (startProgram(QCoreApplication::applicationDirPath()) != 0) {
        return 1;
    }
    return QApplication::exec();
}
