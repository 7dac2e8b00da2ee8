#include "app/lumacap_application.h"

#include <QTimer>
#include <cstdio>
#include <exception>

#include "platform/services.h"
#include "settings/settings_error.h"

LumacapApplication::LumacapApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool LumacapApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const SettingsError& e) {
        reportFailure(e.message());
    } catch (const std::exception& e) {
        reportFailure(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reportFailure(QStringLiteral("erro desconhecido"));
    }
    return false;
}

void LumacapApplication::reportFailure(const QString& reason) {
    const QString text = QStringLiteral("A operação não pôde ser concluída:\n%1").arg(reason);
    std::fprintf(stderr, "Lumacap: %s\n", text.toLocal8Bit().constData());
    // Told once the event that failed is over, not from inside its dispatch.
    QTimer::singleShot(0, this, [text] {
        platform::services().message(nullptr, QStringLiteral("Lumacap"), text,
                                     platform::MessageIcon::Critical);
    });
}
