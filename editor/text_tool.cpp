// The text tool: the text frame fraText with its box TextPic, dragged onto the canvas and
// printed there in the stroke colour.
#include "editor/text_tool.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <cmath>

#include "editor/canvas.h"
#include "editor/canvas_layout.h"
#include "editor/canvas_stamp.h"
#include "editor/editor_window.h"
#include "editor/mouse_hook.h"
#include "editor/swatch.h"
#include "platform/services.h"
#include "ui/controls.h"
#include "ui/picture_button.h"
#include "ui/units.h"

TextTool::TextTool(LC_Form3_pic* editor) : QObject(editor), editor_(editor) {
    setObjectName(QStringLiteral("TextTool"));
    // The canvas prints in its own font: Arial 10 until the font dialog gives another.
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(10);
    editor->PicDrawBox->setFont(arial);
    connect(editor->btnText, &PictureButton::clicked, this, &TextTool::btnText_Click);
    MouseHook::install(editor->TextPic, [this](QMouseEvent* e) { return onTextPicMouse(e); });
}

void TextTool::btnText_Click() {
    // The keys held at the click decide; Shift before Ctrl.
    const Qt::KeyboardModifiers keys = platform::services().keyboardModifiers();
    if (keys & Qt::ShiftModifier) {
        if (editor_->TextPic->isHidden()) {
            return;
        }
        editor_->TextPic->setFocus(Qt::OtherFocusReason);
        editor_->TextPic->selectAll();
        textArmed = true;
        swatch::setColor(editor_->fraText, Qt::white);
    } else if (keys & Qt::ControlModifier) {
        const platform::FontChoice choice =
            platform::services().chooseFont(editor_, editor_->PicDrawBox->font());
        if (choice.accepted) {
            editor_->PicDrawBox->setFont(choice.font);
            editor_->TextPic->setFont(choice.font);
            controls::fitToStyle(editor_->fraText);  // the box and its frame show the new font
        }
    } else if (editor_->labels().lblText.toInt() == 0) {
        editor_->TextPic->setGeometry(editor_->TextPic->x(), 0, editor_->TextPic->width(),
                                      units::px(200));
        editor_->fraText->move(editor_->fraPicture->x() + units::px(280), editor_->fraText->y());
        editor_->fraText->show();
        editor_->fraText->raise();
        editor_->labels().lblText = QStringLiteral("1");
    } else {
        editor_->fraText->hide();
        editor_->labels().lblText = QStringLiteral("0");
    }
}

bool TextTool::onTextPicMouse(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            homeLeft = units::tw(editor_->fraText->x());
            if (event->button() == Qt::LeftButton) {
                editor_->grabX = units::tw(pos.x());
                editor_->grabY = units::tw(pos.y());
            }
            return false;
        case QEvent::MouseMove:
            if (event->buttons() != Qt::LeftButton || !textArmed) {
                return false;
            }
            // The frame follows the pointer, keeping the grab point under it.
            editor_->fraText->move(editor_->fraText->x() + pos.x() - units::px(editor_->grabX),
                                   editor_->fraText->y() + pos.y() - units::px(editor_->grabY));
            editor_->history().historyLocked = false;
            return true;  // no text selection while the box is carried
        case QEvent::MouseButtonRelease:
            if (textArmed) {
                textArmed = false;
                printTextBox();
            }
            return false;
        default:
            return false;
    }
}

void TextTool::printTextBox() {
    // The canvas point under the frame: the canvas's offsets in the viewport take scrolling into
    // account, and the viewport lies below the toolbar, 30 twips higher than the frame's text.
    const int x = units::tw(editor_->fraText->x()) - units::tw(editor_->PicDrawBox->x());
    const int y = units::tw(editor_->fraText->y()) - units::tw(editor_->PicDrawBox->y()) -
                  (kViewportTopTw + 30);
    // Dragging the box cleared historyLocked already: the step is recorded as it stands.
    // Logical pixels on the screen, picture pixels on the canvas.
    const qreal s = editor_->PicDrawBox->scale();
    const QPoint at(static_cast<int>(std::lround(x / double(units::kTwipsPerPixel) * s)),
                    static_cast<int>(std::lround(y / double(units::kTwipsPerPixel) * s)));
    editor_->edit(
        [this, at, s] {
            canvas_stamp::printText(editor_->PicDrawBox->image(), at, editor_->TextPic->text(),
                                    editor_->PicDrawBox->font(), editor_->PicDrawBox->foreColor(),
                                    s);
        },
        false);
    editor_->PicDrawBox->setFocus(Qt::OtherFocusReason);
    editor_->fraText->setGeometry(units::px(homeLeft), units::px(-30), editor_->fraText->width(),
                                  units::px(260));
    editor_->TextPic->move(units::px(30), 0);
    editor_->TextPic->show();
}
