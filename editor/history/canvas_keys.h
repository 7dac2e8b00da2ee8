#pragma once

#include <Qt>

// What a key pressed on the canvas asks for. Only the Ctrl bit of the modifiers counts, so
// Ctrl+Shift+Z undoes too.
enum class CanvasKey { None, Undo, Redo, Copy };

inline CanvasKey canvasKey(int key, Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & Qt::ControlModifier)) {
        return CanvasKey::None;
    }
    switch (key) {
        case Qt::Key_Z:
            return CanvasKey::Undo;
        case Qt::Key_Y:
            return CanvasKey::Redo;
        case Qt::Key_C:
            return CanvasKey::Copy;
        default:
            return CanvasKey::None;
    }
}
