#include "app/command_runner.h"

#include "app/countdown.h"
#include "app/main_window.h"
#include "app/pointer_notice.h"
#include "capture/editor_handover.h"
#include "editor/picture_file.h"
#include "platform/global_key.h"
#include "platform/services.h"

namespace {

MainFace::CaptureMode modeOf(CommandLine::Capture capture) {
    switch (capture) {
        case CommandLine::Capture::Selection:
            return MainFace::CaptureMode::Selection;
        case CommandLine::Capture::Area:
            return MainFace::CaptureMode::FixedArea;
        case CommandLine::Capture::Screen:
            break;
    }
    return MainFace::CaptureMode::WholeScreen;
}

}  // namespace

CommandRunner::CommandRunner(LC_Form1_Ini* main) : QObject(main), main_(main) {}

bool CommandRunner::busy() const {
    return countdown_ || main_->captureUnderWay();
}

void CommandRunner::run(const CommandLine& command, Answer answer) {
    if (busy()) {
        refuse(answer);
        return;
    }
    QString keyProblem;
    if (command.printKey && !takePrintKey(&keyProblem)) {
        // Said, never taken silently from the desktop; the rest of the command still runs.
        keyProblem = QStringLiteral(
                         "Não foi possível usar a tecla Print: %1. Use um atalho do "
                         "ambiente de trabalho para \"Lumacap --capture=selection\".")
                         .arg(keyProblem);
        // After the answer has gone: the box waits for the user.
        QMetaObject::invokeMethod(
            this,
            [this, keyProblem] {
                platform::services().message(main_, QStringLiteral("Lumacap"), keyProblem,
                                             platform::MessageIcon::Information);
            },
            Qt::QueuedConnection);
    }
    const instance_message::Answer taken{
        keyProblem.isEmpty() ? 0 : 1,
        {},
        keyProblem.isEmpty() ? QString() : QStringLiteral("Lumacap: ") + keyProblem};
    if (command.tray) {
        main_->minimize_to_tray();
    }
    if (!command.capture) {
        if (!command.tray && !command.printKey) {
            main_->bringForward();
        }
        answer(taken);
        return;
    }
    MainFace::CaptureOrder order = main_->choices();
    order.mode = modeOf(*command.capture);
    if (command.outcome != CommandLine::Outcome::MainWindowChoice) {
        order.copy = command.outcome == CommandLine::Outcome::Copy;
    }
    order.saveOnly = !command.output.isEmpty() && command.outcome != CommandLine::Outcome::Copy;
    order.stayHidden = oneShot_ || main_->outOfSight();
    order.commanded = true;
    pending_ = Pending{order, command.output, nullptr};
    if (command.output.isEmpty()) {
        answer(taken);
    } else {
        pending_->answer = std::move(answer);
    }
    if (command.delaySeconds == 0) {
        startCapture();
        return;
    }
    countdown_ = new Countdown(  // owned by this runner; deleted once it has ended
        command.delaySeconds, [this] { startCapture(); },
        [this] {
            // The capture never started: the face comes back unless it was out of sight.
            if (!pending_->order.stayHidden) {
                main_->faceInUse()->show();
            }
            captureEnded(false, QStringLiteral("a espera foi cancelada"));
        },
        this);
}

bool CommandRunner::takePrintKey(QString* reason) {
    if (printKey_) {
        return true;
    }
    auto* key = new platform::GlobalKey(platform::GlobalKey::Key::Print, this);  // child of this
    if (!key->grab(reason)) {
        delete key;
        return false;
    }
    // Queued: the key's handler is done before a capture hides and grabs things.
    connect(
        key, &platform::GlobalKey::pressed, this,
        [this] {
            CommandLine selection;
            selection.capture = CommandLine::Capture::Selection;
            run(selection, [](const instance_message::Answer&) {});
        },
        Qt::QueuedConnection);
    printKey_ = key;
    return true;
}

void CommandRunner::startCapture() {
    if (countdown_) {
        countdown_->deleteLater();
        countdown_ = nullptr;
    }
    if (pending_) {
        main_->startCapture(pending_->order);
    }
}

void CommandRunner::captureEnded(bool delivered, const QString& failure) {
    if (countdown_) {
        countdown_->deleteLater();
        countdown_ = nullptr;
    }
    if (!pending_) {
        return;  // a capture of the buttons
    }
    Pending pending = std::move(*pending_);
    pending_.reset();
    if (pending.answer) {
        if (delivered) {
            save(pending);
        } else {
            pending.answer(
                {1,
                 {},
                 QStringLiteral("Lumacap: nada foi salvo: %1.")
                     .arg(failure.isEmpty() ? QStringLiteral("nada foi capturado") : failure)});
        }
    }
}

void CommandRunner::save(Pending& pending) {
    QString reason;
    const bool saved = picture_file::save(editor_handover::canvasImage(), pending.output, &reason);
    if (pending.order.saveOnly && !oneShot_) {
        // Nothing else shows that it is done: the face comes back as it was, with a notice.
        if (pending.order.stayHidden) {
            main_->minimize_to_tray();
        } else {
            main_->faceInUse()->show();
        }
        if (saved) {
            platform::services().beep();
            noticeUnderPointer(QStringLiteral("Imagem salva!"));
        }
    }
    if (saved) {
        pending.answer({0, pending.output + QLatin1Char('\n'), {}});
        return;
    }
    const QString message =
        QStringLiteral("Não foi possível salvar %1: %2.").arg(pending.output, reason);
    pending.answer({1, {}, QStringLiteral("Lumacap: ") + message});
    if (!oneShot_) {
        // Started by a key, nobody may read the asker's output: the user is told here too.
        platform::services().message(main_, QStringLiteral("Lumacap"), message,
                                     platform::MessageIcon::Critical);
    }
}

void CommandRunner::refuse(const Answer& answer) {
    noticeUnderPointer(QStringLiteral("Captura em andamento"));
    answer({1,
            {},
            QStringLiteral("Lumacap: uma captura já está em andamento; o pedido foi recusado.")});
}
