#include "editor/tool_kind.h"

#include <array>

namespace {

constexpr std::array<ToolInfo, 10> kTools{{
    {ToolKind::Pen, Qt::Key_D, "actionPen", "btnDraw", "pen", ""},
    {ToolKind::Fill, Qt::Key_B, "actionFill", "btnDraw", "bucket", ""},
    {ToolKind::Line, Qt::Key_L, "actionLine", "btnLine", "line", " Linha "},
    {ToolKind::Arrow, Qt::Key_A, "actionArrow", "btnArrow", "arrow", " Seta "},
    {ToolKind::Rectangle, Qt::Key_R, "actionRectangle", "btnRectangle", "rectangle", " Retângulo "},
    {ToolKind::Ellipse, Qt::Key_E, "actionEllipse", "btnEllipse", "ellipse", " Elipse "},
    {ToolKind::Marker, Qt::Key_H, "actionMarker", "btnMarker", "marker", " Marca-texto "},
    {ToolKind::Pixelate, Qt::Key_P, "actionPixelate", "btnPixelate", "pixelate", " Pixelar "},
    {ToolKind::Number, Qt::Key_N, "actionNumber", "btnNumber", "number", " Numerar "},
    {ToolKind::Crop, Qt::Key_C, "actionCrop", "btnCrop", "crop", " Recortar "},
}};

}  // namespace

std::span<const ToolInfo> buttonTools() {
    return std::span<const ToolInfo>(kTools).subspan(2);
}

std::span<const ToolInfo> keyedTools() {
    return kTools;
}
