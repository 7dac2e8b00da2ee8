#include <QApplication>
#include <csignal>
#include <cstdio>

#include "app/command_line.h"
#include "app/command_runner.h"
#include "app/instance_handoff.h"
#include "app/instance_server.h"
#include "app/lumacap_application.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/single_instance.h"
#include "app/start_steps.h"
#include "platform/clipboard.h"
#include "platform/clipboard_handover.h"
#include "platform/font_warmup.h"
#include "platform/memory_return.h"
#include "platform/start_failure_guard.h"
#include "platform/termination_signals.h"
#include "platform/wayland/wayland_session.h"
#include "ui/dialog_language.h"
#include "ui/forms.h"
#include "ui/look.h"

namespace {

void print(const instance_message::Answer& answer) {
    std::fputs(answer.out.toLocal8Bit().constData(), stdout);
    if (!answer.err.isEmpty()) {
        std::fprintf(stderr, "%s\n", answer.err.toLocal8Bit().constData());
    }
    std::fflush(stdout);
}

// The running copy carries out what a second start asks.
void answerSecondStart(const instance_message::Request& request, InstanceServer::Answer answer) {
    const auto parsed = command_line::parse(request.arguments);
    auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>();
    if (!parsed.command || !main) {
        answer({command_line::kUsageStatus, {}, QStringLiteral("Lumacap: ") + parsed.error});
        return;
    }
    main->commands().run(parsed.command->resolvedAgainst(request.folder), std::move(answer));
}

LC_Form1_Ini::StartFace startFace(const CommandLine& command) {
    if (command.capture) {
        return LC_Form1_Ini::StartFace::NotYet;
    }
    return command.tray ? LC_Form1_Ini::StartFace::InTray : LC_Form1_Ini::StartFace::AsStored;
}

// Ends the program as closing the main window does.
void endProgram() {
    if (auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>()) {
        main->UnloadAllForms();
    } else {
        QCoreApplication::exit(0);
    }
}

// The picture this program copied stays on the clipboard after it has ended.
void keepClipboard() {
    const QByteArray png = platform::ownClipboardPng();
    QString reason;
    if (!png.isEmpty() && !platform::handOverClipboard(png, &reason)) {
        std::fprintf(stderr, "Lumacap: a imagem copiada não fica na área de transferência: %s.\n",
                     reason.toLocal8Bit().constData());
    }
}

}  // namespace

// The program proper. Started by `Lumacap`, it takes over the settlement of who runs; started
// on its own, it settles that itself.
int main(int argc, char* argv[]) {
    platform::returnLargeBlocks();
    // A file-size limit makes a write fail with EFBIG, which a save reports, instead of killing
    // the program with the signal.
    std::signal(SIGXFSZ, SIG_IGN);
    const start_steps::Reading reading = start_steps::readArguments(argc, argv);
    if (!reading.command) {
        return reading.status;
    }
    const CommandLine& command = *reading.command;
    SingleInstance instance;
    QString problem;
    const QByteArray handedOff = qgetenv(instance_handoff::kVariable);
    qunsetenv(instance_handoff::kVariable);  // not for the programs this one starts
    const SingleInstance::Role role =
        handedOff.isEmpty() ? instance.settle(&problem) : instance.adopt(handedOff);
    if (role == SingleInstance::Role::Second) {
        return start_steps::handOver(instance, reading, problem);
    }
    if (role == SingleInstance::Role::Alone && handedOff.isEmpty()) {
        start_steps::warnAlone(problem);
    }

    // On a Wayland desktop, one of its own programs: the screen is read through its portal.
    platform::wayland::preferNativeWayland();
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
    LC_Form1_Ini::setStartFace(startFace(command));
    if (startProgram(QCoreApplication::applicationDirPath()) != 0) {
        return 1;
    }
    platform::TerminationSignals termination(&app);
    QObject::connect(&termination, &platform::TerminationSignals::received, &app, endProgram);

    auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>();
    // A start that only saves a capture to a file is over once the file is written.
    const bool oneShot = !command.output.isEmpty();
    InstanceServer server(answerSecondStart, &app);
    if (role == SingleInstance::Role::First && !oneShot &&
        !server.listen(instance.socketPath(), &problem)) {
        std::fprintf(stderr, "Lumacap: %s.\n", problem.toLocal8Bit().constData());
    }
    if (command.capture || command.printKey) {
        if (oneShot) {
            main->commands().setOneShot();
        }
        main->commands().run(command, [oneShot](const instance_message::Answer& answer) {
            print(answer);
            if (oneShot) {
                QMetaObject::invokeMethod(
                    qApp, [status = answer.status] { QCoreApplication::exit(status); },
                    Qt::QueuedConnection);
            }
        });
    }
    const int status = QApplication::exec();
    keepClipboard();
    return status;
}
