#include "app/program.h"

#include <cstdio>

#include "app/main_window.h"
#include "platform/pointer_keys.h"
#include "platform/program_dir.h"
#include "platform/services.h"
#include "platform/wayland/precise_pointer.h"
#include "settings/lc_mod1_bd.h"
#include "settings/settings_error.h"
#include "ui/forms.h"

int startProgram(const QString& dir) {
    platform::watchPointer();  // the pointer's device pixels, at any density
    platform::wayland::watchPointer();
    const platform::ProgramLayout layout = platform::layoutAround(dir);
    platform::setProgramLayout(layout);
    try {
        LC_Mod1_BD::SetDatabasePath(layout);
        if (!Forms::instance().get<LC_Form1_Ini>()) {
            return 1;  // asked to start while ending: nothing to show
        }
    } catch (const SettingsError& e) {
        Forms::instance().destroyAll();
        std::fprintf(stderr, "Lumacap: %s\n", e.message().toLocal8Bit().constData());
        platform::services().message(nullptr, QStringLiteral("Lumacap"), e.message(),
                                     platform::MessageIcon::Critical);
        return 1;
    }
    return 0;
}
