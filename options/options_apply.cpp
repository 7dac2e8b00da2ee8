#include "options/options_apply.h"

#include "platform/shortcut_files.h"
#include "settings/settings_error.h"
#include "settings/startup_values.h"
#include "settings/statements.h"

namespace {

const char* flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

OptionsResult applyOptions(const OptionsChoice& choice,
                           const std::function<void(const SettingsStatement&)>& execute) {
    OptionsResult r;
    const auto& flags = choice.remakeShortcuts ? choice.shortcutsNow : choice.shortcutsStored;
    if (choice.remakeShortcuts) {
        const shortcuts::Kind kinds[] = {shortcuts::Kind::Desktop, shortcuts::Kind::Menu,
                                         shortcuts::Kind::Startup};
        for (int i = 0; i < 3; ++i) {
            QString error;
            const bool ok = choice.shortcutsNow[i] == QLatin1String("1")
                                ? shortcuts::create(kinds[i], choice.program, choice.icon, &error)
                                : shortcuts::remove(kinds[i], &error);
            if (!ok) {
                r.failures << error;
            }
        }
    }
    r.atalhos = joinShortcutFlags(flags[0], flags[1], flags[2]);
    r.iniMinimized = QString::fromLatin1(flag(choice.startInTray));
    r.optTaskbar = QString::fromLatin1(flag(choice.hideToTaskbar));
    r.optMax = QString::fromLatin1(flag(choice.startWithMainWindow));
    try {
        execute(statements::updateOptions(r.iniMinimized, r.optTaskbar, r.optMax, r.atalhos));
    } catch (const SettingsError& e) {
        r.failures << QStringLiteral("configurações: ") + e.message();
    }
    return r;
}
