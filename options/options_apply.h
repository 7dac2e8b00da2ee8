#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "settings/statements.h"

// What "Ok" of the options window stores and which shortcut files it makes, without the window.
struct OptionsChoice {
    bool remakeShortcuts = false;
    std::array<QString, 3> shortcutsNow;     // check boxes: desktop, menu, start-up ("1"/"0")
    std::array<QString, 3> shortcutsStored;  // the main window's labels before "Ok"
    bool startInTray = false;
    bool hideToTaskbar = false;
    bool startWithMainWindow = true;
    QString program;  // absolute path of the program
    QString icon;     // absolute path of the shortcut icon
};

struct OptionsResult {
    QString iniMinimized;
    QString optTaskbar;
    QString optMax;
    QString atalhos;
    QStringList failures;  // one line per step that failed, with its reason
};

// Runs every step whatever fails before it: remakes the shortcuts when asked, then stores the
// choices with the options statement through `execute` (which throws SettingsError on failure).
OptionsResult applyOptions(const OptionsChoice& choice,
                           const std::function<void(const SettingsStatement&)>& execute);
