#include "ui/typed_key.h"

#include <QKeyEvent>
#include <QString>

std::optional<int> typedCharacter(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return std::nullopt;
        default:
            break;
    }
    if (modifiers.testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;  // Ctrl+C, Ctrl+V, ... are control characters
    }
    if (!text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127) {
        return text.at(0).unicode();
    }
    return std::nullopt;
}

std::optional<int> typedCharacter(const QKeyEvent& event) {
    return typedCharacter(event.key(), event.modifiers(), event.text());
}

bool sizeBoxAccepts(int character) {
    return (character >= '0' && character <= '9') || character == 8 || character == 13;
}
