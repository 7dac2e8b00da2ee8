#include "settings/store_setting.h"

#include <QString>

#include "platform/services.h"
#include "settings/lc_mod1_bd.h"
#include "settings/settings_error.h"

bool storeSetting(QWidget* parent, const SettingsStatement& statement) {
    try {
        LC_Mod1_BD::execute(statement);
        return true;
    } catch (const SettingsError& e) {
        platform::services().message(parent, QStringLiteral("Erro"),
                                     QStringLiteral("Erro ao gravar configurações: ") + e.message(),
                                     platform::MessageIcon::Critical);
        return false;
    }
}
