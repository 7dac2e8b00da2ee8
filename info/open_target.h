#pragma once

#include <QString>

class QWidget;

// Hands a document or a web address to the desktop's default program. Neither opens silently
// wrong: a missing or unreadable document, or a desktop whose opener fails (no program for it,
// or the program failed), is told to the user in a message box naming what could not be opened.
// The opener's answer comes later; the interface goes on meanwhile.
namespace open_target {

// Opens the file at `path` (absolute).
void openDocument(const QString& path, QWidget* parent);
// Opens the web address `url`.
void openAddress(const QString& url, QWidget* parent);

}  // namespace open_target
