#pragma once

class QWidget;
struct SettingsStatement;

// Runs one statement on the settings file. When it fails the user is told why in a message box
// (over `parent`) and the result is false, so that no success is reported; the program goes on.
bool storeSetting(QWidget* parent, const SettingsStatement& statement);
