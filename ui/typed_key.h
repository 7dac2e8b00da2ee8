#pragma once

#include <Qt>
#include <optional>

class QKeyEvent;

// The character a key press types into a text box, as a character code: 8 for backspace, 13
// for enter, 27 for escape, 1 to 26 for Ctrl with a letter, the character itself for printable
// keys. Keys that type nothing (arrows, Home, End, Delete, Tab, modifiers) give nothing.
std::optional<int> typedCharacter(int key, Qt::KeyboardModifiers modifiers, const QString& text);
std::optional<int> typedCharacter(const QKeyEvent& event);

// Whether a size box lets a typed character through: the digits, backspace and enter.
bool sizeBoxAccepts(int character);
