#pragma once

#include <QString>

class QWidget;

// Hands a document or a web address to the desktop's default program. Neither opens silently
// wrong: a missing or unreadable document, or a desktop that has no program to open it, is
// told to the user in a message box naming what could not be opened.
namespace open_target {

// Opens the file at `path` (absolute). True when the desktop took it.
bool openDocument(const QString& path, QWidget* parent);
// Opens the web address `url`. True when the desktop took it.
bool openAddress(const QString& url, QWidget* parent);

}  // namespace open_target
