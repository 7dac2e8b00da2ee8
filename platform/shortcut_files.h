#pragma once

#include <QString>

// Shortcuts to the program: freedesktop desktop entries named Lumacap.desktop on the desktop, in
// the applications menu and in the autostart folder.
namespace shortcuts {

enum class Kind { Desktop, Menu, Startup };

inline constexpr const char* kFileName = "Lumacap.desktop";

// The folder of each kind for the current user (no trailing separator).
QString folder(Kind kind);
QString path(Kind kind);
// Name of a kind as the user knows it, for messages.
QString displayName(Kind kind);

// The desktop entry that starts `program` with the icon `icon`, with the actions "Capturar
// seleção", "Capturar área" and "Capturar tela" (`program --capture=...`).
QString desktopEntry(const QString& program, const QString& icon);

// Creates (or overwrites) the shortcut of a kind, making its folder if needed. The desktop one
// is made executable, as desktops require before they start it. False with a reason on failure.
bool create(Kind kind, const QString& program, const QString& icon, QString* error);
// Deletes the shortcut of a kind if there is one. False with a reason when it cannot be deleted.
bool remove(Kind kind, QString* error);

}  // namespace shortcuts
