#include "app/lumacap_application.h"
#include "app/program.h"
#include "platform/font_warmup.h"
#include "platform/start_failure_guard.h"
#include "ui/dialog_language.h"
#include "ui/forms.h"
#include "ui/look.h"

int main(int argc, char* argv[]) {
    // Without a display Qt would abort; the guard says why and ends with status 1 instead.
    platform::StartFailureGuard guard;
    // The font configuration is read while the display connection is being made.
    platform::FontWarmUp fonts;
    LumacapApplication app(argc, argv);
    fonts.finish();
    guard.finish();
    // Hiding to the tray closes no window, and the program ends only with the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    applyLook();
    usePortugueseDialogs();
    Forms forms;
    if (startProgram(QCoreApplication::applicationDirPath()) != 0) {
        return 1;
    }
    return QApplication::exec();
}
