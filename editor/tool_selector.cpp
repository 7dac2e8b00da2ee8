#include "editor/tool_selector.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "editor/area_tool.h"
#include "editor/canvas.h"
#include "editor/draw_tool.h"
#include "editor/editor_window.h"
#include "editor/marker_tool.h"
#include "editor/number_tool.h"
#include "editor/shape_tool.h"
#include "ui/controls.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/units.h"

namespace {

// The second toolbar row (twips inside fraPicture): the four shapes, a gap, then the marker,
// pixelate, numbers and crop, centred under the first row.
constexpr int kRowTopTw = 285;
constexpr int kFirstLeftTw = 390;
constexpr int kPitchTw = 255;
constexpr int kGroupGapTw = 135;
constexpr int kButtonTw = 210;
constexpr int kBackdropTw = 240;  // one pixel around the button

std::unique_ptr<CanvasTool> makeTool(ToolKind kind, LC_Form3_pic* editor) {
    switch (kind) {
        case ToolKind::Line:
        case ToolKind::Arrow:
        case ToolKind::Rectangle:
        case ToolKind::Ellipse:
            return std::make_unique<ShapeTool>(editor, kind);
        case ToolKind::Marker:
            return std::make_unique<MarkerTool>(editor);
        case ToolKind::Pixelate:
        case ToolKind::Crop:
            return std::make_unique<AreaTool>(editor, kind);
        case ToolKind::Number:
            return std::make_unique<NumberTool>(editor);
        case ToolKind::Pen:
        case ToolKind::Fill:
            break;
    }
    return nullptr;
}

}  // namespace

ToolSelector::ToolSelector(LC_Form3_pic* editor) : QObject(editor), editor_(editor) {
    setObjectName(QStringLiteral("ToolSelector"));
    for (const ToolInfo& t : buttonTools()) {
        tools_[t.kind] = makeTool(t.kind, editor);
    }
    buildButtons();

    Canvas* canvas = editor->PicDrawBox;
    canvas->setOverlay([this](QPainter& p, const QRect& exposed) {
        if (CanvasTool* t = inUse()) {
            t->paintPreview(p, exposed);
        }
    });
    connect(canvas, &Canvas::mousePressed, this,
            [this](const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons,
                   Qt::KeyboardModifiers modifiers) {
                CanvasTool* t = inUse();
                if (t && button == Qt::LeftButton) {
                    t->press(pos, modifiers);
                }
            });
    connect(canvas, &Canvas::mouseMoved, this,
            [this, canvas](const QPoint& pos, Qt::MouseButtons, Qt::KeyboardModifiers modifiers) {
                if (CanvasTool* t = inUse()) {
                    canvas->setCursor(t->cursor());
                    t->move(pos, modifiers);
                }
            });
    connect(canvas, &Canvas::mouseReleased, this,
            [this](const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons,
                   Qt::KeyboardModifiers modifiers) {
                CanvasTool* t = inUse();
                if (t && button == Qt::LeftButton) {
                    t->release(pos, modifiers);
                }
            });
}

ToolSelector::~ToolSelector() = default;

void ToolSelector::buildButtons() {
    QWidget* row = editor_->fraPicture;
    // Behind the buttons, so that they stay on top of it.
    shpTool_ = controls::make<QLabel>(row, "shpTool", 0, 0, kBackdropTw, kBackdropTw);
    shpTool_->setPixmap(pictures::button(QStringLiteral("down"), units::px(kBackdropTw)));
    shpTool_->setAttribute(Qt::WA_TransparentForMouseEvents);
    int left = kFirstLeftTw;
    for (const ToolInfo& t : buttonTools()) {
        PictureButton* b = controls::pictureButton(row, t.button, t.picture, left, kRowTopTw,
                                                   kButtonTw, QString::fromUtf8(t.tip));
        editor_->wirePressEffect(b);
        const ToolKind kind = t.kind;
        connect(b, &PictureButton::clicked, this, [this, kind] {
            choose(kind);
            editor_->PicDrawBox->setFocus(Qt::OtherFocusReason);
        });
        buttons_[kind] = b;
        left += kPitchTw + (kind == ToolKind::Ellipse ? kGroupGapTw : 0);
    }
    showPressed();
}

bool ToolSelector::drawToolInUse() const {
    return current_ == ToolKind::Pen || current_ == ToolKind::Fill;
}

PictureButton* ToolSelector::button(ToolKind kind) const {
    const auto it = buttons_.find(kind);
    return it == buttons_.end() ? editor_->btnDraw : it->second;
}

CanvasTool* ToolSelector::tool(ToolKind kind) const {
    const auto it = tools_.find(kind);
    return it == tools_.end() ? nullptr : it->second.get();
}

NumberTool& ToolSelector::numberTool() const {
    return static_cast<NumberTool&>(*tool(ToolKind::Number));
}

void ToolSelector::cancelUse() {
    if (CanvasTool* t = inUse()) {
        t->cancel();
    } else {
        editor_->drawTool().cancelStroke();
    }
}

void ToolSelector::choose(ToolKind kind) {
    cancelUse();
    current_ = kind;
    if (drawToolInUse()) {
        editor_->drawTool().setMode(kind == ToolKind::Pen);
    }
    editor_->PicDrawBox->setCursor(drawToolInUse() ? editor_->drawTool().cursor()
                                                   : inUse()->cursor());
    showPressed();
}

void ToolSelector::showPressed() {
    PictureButton* b = button(current_);
    const int margin = (units::px(kBackdropTw) - b->width()) / 2;
    shpTool_->move(b->pos() - QPoint(margin, margin));
    shpTool_->stackUnder(b);
    shpTool_->show();
}
