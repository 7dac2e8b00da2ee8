#include "app/program.h"

#include <QCoreApplication>
#include <cstdio>

#include "app/forms.h"
#include "app/main_window.h"
#include "platform/services.h"
#include "settings/lc_mod1_bd.h"
#include "settings/settings_error.h"

namespace {
QString& dirSlot() {
    static QString dir;
    return dir;
}
}  // namespace

QString programDir() {
    return dirSlot().isEmpty() ? QCoreApplication::applicationDirPath() : dirSlot();
}

void setProgramDir(const QString& dir) {
    dirSlot() = dir;
}

int startProgram(const QString& dir) {
    setProgramDir(dir);
    LC_Mod1_BD::SetDatabasePath(dir);
    try {
        Forms::instance().get<LC_Form1_Ini>();
    } catch (const SettingsError& e) {
        Forms::instance().destroyAll();
        std::fprintf(stderr, "Lumacap: %s\n", e.message().toLocal8Bit().constData());
        platform::services().message(nullptr, QStringLiteral("Lumacap"), e.message(),
                                     platform::MessageIcon::Critical);
        return 1;
    }
    return 0;
}
