#include "platform/start_failure_guard.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

QtMessageHandler previousHandler = nullptr;
bool displayFailed = false;  // the X platform said it could not connect

QString failureMessage(const QString& qtMessage) {
    if (!displayFailed) {
        return QStringLiteral("Lumacap: o Qt não pôde iniciar o programa.\n(Qt: %1)")
            .arg(qtMessage.trimmed());
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString why =
        display.isEmpty()
            ? QStringLiteral("não foi possível abrir a tela: a variável DISPLAY está vazia")
            : QStringLiteral(
                  "não foi possível abrir a tela \"%1\": o servidor X não responde "
                  "ou recusou a ligação")
                  .arg(display);
    return QStringLiteral(
               "Lumacap: %1. Inicie o Lumacap dentro de uma sessão gráfica (X11).\n"
               "(Qt: %2)")
        .arg(why, qtMessage.trimmed());
}

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (message.contains(QLatin1String("could not connect to display"))) {
            displayFailed = true;
        }
        previousHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "%s\n", failureMessage(message).toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

StartFailureGuard::StartFailureGuard() : active_(true) {
    previousHandler = qInstallMessageHandler(handler);
}

StartFailureGuard::~StartFailureGuard() {
    finish();
}

void StartFailureGuard::finish() {
    if (active_) {
        qInstallMessageHandler(previousHandler);
        active_ = false;
    }
}

}  // namespace platform
