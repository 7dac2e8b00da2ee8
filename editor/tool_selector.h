#pragma once

#include <QObject>
#include <QPoint>
#include <map>
#include <memory>

#include "editor/canvas_tool.h"
#include "editor/tool_kind.h"

class LC_Form3_pic;
class NumberTool;
class PictureButton;
class QLabel;

// Which tool the canvas uses, and the tools with buttons of their own: their buttons in the
// toolbar's second row, the pressed look of the current tool's button (the backdrop shpTool),
// and the canvas's mouse for the tool in use. The pen and the fill are DrawTool's; the letter
// keys are the editor's actions (editor_shortcuts).
class ToolSelector : public QObject {
    Q_OBJECT
public:
    explicit ToolSelector(LC_Form3_pic* editor);
    ~ToolSelector() override;

    ToolKind current() const { return current_; }
    // The pen or the fill: btnDraw's tools, which DrawTool handles.
    bool drawToolInUse() const;
    // Ends any use in progress and makes `kind` the tool in use; the pen and the fill also set
    // btnDraw's mode.
    void choose(ToolKind kind);
    // Escape: the use in progress ends and leaves nothing.
    void cancelUse();

    // btnDraw for the pen and the fill.
    PictureButton* button(ToolKind kind) const;
    // The tool object; none for the pen and the fill.
    CanvasTool* tool(ToolKind kind) const;
    NumberTool& numberTool() const;

private:
    void buildButtons();
    void showPressed();
    CanvasTool* inUse() const { return tool(current_); }

    LC_Form3_pic* editor_;
    ToolKind current_ = ToolKind::Pen;
    std::map<ToolKind, std::unique_ptr<CanvasTool>> tools_;
    std::map<ToolKind, PictureButton*> buttons_;
    QLabel* shpTool_ = nullptr;
};
