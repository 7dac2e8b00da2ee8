#include "editor/draw_tool.h"

#include <QLabel>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/pen_stroke.h"
#include "editor/swatch.h"
#include "editor/tool_cursors.h"
#include "editor/tool_selector.h"
#include "platform/services.h"
#include "ui/picture_button.h"

DrawTool::DrawTool(LC_Form3_pic* editor)
    : QObject(editor),
      editor_(editor),
      penCursor_(tool_cursors::pen()),
      bucketCursor_(tool_cursors::bucket()) {
    setObjectName(QStringLiteral("DrawTool"));
    editor->imgPen->setPixmap(tool_cursors::penPicture());
    editor->imgFill->setPixmap(tool_cursors::bucketPicture());
    connect(editor->btnDraw, &PictureButton::clicked, this, &DrawTool::btnDraw_Click);
    Canvas* canvas = editor->PicDrawBox;
    connect(canvas, &Canvas::mousePressed, this,
            [this](const QPoint& pos, Qt::MouseButton, Qt::MouseButtons,
                   Qt::KeyboardModifiers modifiers) { onPress(pos, modifiers); });
    connect(canvas, &Canvas::mouseMoved, this,
            [this](const QPoint& pos, Qt::MouseButtons, Qt::KeyboardModifiers modifiers) {
                onMove(pos, modifiers);
            });
    connect(canvas, &Canvas::mouseReleased, this, [this] { onRelease(); });
}

bool DrawTool::drawingMode() const {
    return editor_->labels().lblDraw == QLatin1String("1");
}

void DrawTool::btnDraw_Click() {
    // The keys held at the moment of the click, not those of an earlier event.
    const Qt::KeyboardModifiers held = platform::services().keyboardModifiers();
    Canvas* canvas = editor_->PicDrawBox;
    if (held & Qt::ShiftModifier) {
        canvas->setLineWidth(canvas->lineWidth() + 1);
        return;
    }
    if (held & Qt::ControlModifier) {
        canvas->setLineWidth(canvas->lineWidth() - 1);  // never below 1
        return;
    }
    // While another tool is in use, the button gives back the tool it shows; otherwise the mode
    // changes.
    bool pen = drawingMode();
    if (inUse()) {
        pen = !pen;
    }
    editor_->tools().choose(pen ? ToolKind::Pen : ToolKind::Fill);
}

void DrawTool::setMode(bool drawing) {
    PictureButton* button = editor_->btnDraw;
    if (drawing) {
        button->setPixmap(editor_->imgLapis->pixmap());
        button->setToolTip(QStringLiteral(" Pintar o fundo "));
        editor_->labels().lblDraw = QStringLiteral("1");
    } else {
        button->setPixmap(editor_->imgBalde->pixmap());
        button->setToolTip(QStringLiteral(" Desenhar à mão livre "));
        editor_->labels().lblDraw = QStringLiteral("0");
    }
}

bool DrawTool::inUse() const {
    return editor_->tools().drawToolInUse();
}

QCursor DrawTool::cursor() const {
    return drawingMode() ? penCursor_ : bucketCursor_;
}

void DrawTool::cancelStroke() {
    if (penDown) {
        penDown = false;
        editor_->cancelEdit();
    }
}

void DrawTool::onPress(QPoint pos, Qt::KeyboardModifiers modifiers) {
    if (!inUse()) {
        return;
    }
    if (drawingMode()) {
        lastX = pos.x();
        lastY = pos.y();
        // The step holds the picture before the first point (a dot from the pressed point to
        // itself), so an undo takes the whole stroke away.
        penDown = editor_->edit([&] { DrawStroke(modifiers, pos); });
    } else {
        // The step holds the picture before the fill. A fill does not unlock the keys.
        editor_->edit([&] { FillArea(pos); }, false);
    }
}

void DrawTool::onMove(QPoint pos, Qt::KeyboardModifiers modifiers) {
    if (!inUse()) {
        return;
    }
    editor_->PicDrawBox->setCursor(cursor());
    if (drawingMode() && penDown) {
        penDown = editor_->continueEdit([&] { DrawStroke(modifiers, pos); });
    }
}

void DrawTool::onRelease() {
    if (drawingMode()) {
        penDown = false;
    }
}

void DrawTool::DrawStroke(Qt::KeyboardModifiers modifiers, QPoint pointer) {
    Canvas* canvas = editor_->PicDrawBox;
    const QPoint last(qRound(lastX), lastY);
    const QPoint end = pen_stroke::strokeEnd(last, pointer, modifiers);
    pen_stroke::drawSegment(canvas->image(), last, end, canvas->foreColor(), canvas->lineWidth());
    lastX = end.x();
    lastY = end.y();
    canvas->update();
}

void DrawTool::FillArea(QPoint at) {
    Canvas* canvas = editor_->PicDrawBox;
    // The swatch, not the canvas's pen colour, names the border.
    fill_(canvas->image(), at, swatch::color(editor_->lblCorBG), swatch::color(editor_->lblCorFG));
    canvas->update();
}
