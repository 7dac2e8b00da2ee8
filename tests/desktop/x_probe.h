#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include "desktop/desktop_harness.h"

// Looking at and acting on the windows of a program under test from outside, with the X tools.

// The program's icons docked in the desktop's tray: its viewable windows that carry the
// embedding property and lie, icon-sized, inside the panel at the bottom of the screen.
QStringList trayIcons(const PrivateDesktop& desktop, const InstalledProgram& program);

// The program's windows that are on the screen now, tray icons left out.
QStringList viewableWindows(const PrivateDesktop& desktop, const InstalledProgram& program);

// The program's windows titled `title`, mapped or not.
QStringList windowsNamed(const PrivateDesktop& desktop, const InstalledProgram& program,
                         const QString& title);

// WM_STATE as the window manager keeps it: "Normal", "Iconic", "Withdrawn" or empty.
QString wmState(const PrivateDesktop& desktop, const QString& windowId);

// One property of a window as xprop prints it.
QString property(const PrivateDesktop& desktop, const QString& windowId, const QString& name);

// Moves the pointer to a screen point and clicks there with one button (1 left, 3 right).
void clickAt(const PrivateDesktop& desktop, QPoint point, int button = 1, int repeat = 1);

// Presses keys (xdotool key names) in the window that has the focus.
void keys(const PrivateDesktop& desktop, const QStringList& names);

// Closes a window as its close button does (the window manager's Alt+F4).
void closeWindow(const PrivateDesktop& desktop, const QString& windowId);

// One field of the settings row, read with the sqlite3 tool.
QString settingsField(const PrivateDesktop& desktop, InstalledProgram& program,
                      const QString& field);
