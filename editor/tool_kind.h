#pragma once

#include <QString>
#include <Qt>
#include <span>

// The canvas's tools: what a press, drag and release on the canvas do. The pen and the fill
// share the button btnDraw; each of the others has a button of its own.
enum class ToolKind { Pen, Fill, Line, Arrow, Rectangle, Ellipse, Marker, Pixelate, Number, Crop };

struct ToolInfo {
    ToolKind kind;
    Qt::Key key;          // the plain letter that chooses it on the canvas
    const char* action;   // objectName of that key's action
    const char* button;   // objectName of its button
    const char* picture;  // its picture (ui/pictures)
    const char* tip;      // the button's tooltip, UTF-8
};

// The tools with a button of their own, in the toolbar's order.
std::span<const ToolInfo> buttonTools();
// Every tool's letter key: the pen and the fill (D and B), then buttonTools().
std::span<const ToolInfo> keyedTools();
