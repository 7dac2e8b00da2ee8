// The text tool: the text frame fraText with its box TextPic, dragged onto the canvas and
// printed there in the stroke colour.
#include <QLineEdit>
#include <QMouseEvent>

#include "app/picture_button.h"
#include "app/units.h"
#include "editor/canvas.h"
#include "editor/canvas_stamp.h"
#include "editor/editor_window.h"
#include "editor/mouse_hook.h"
#include "editor/swatch.h"
#include "platform/services.h"

void LC_Form3_pic::wireTextTool() {
    // The canvas prints in its own font: Arial 10 until the font dialog gives another.
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(10);
    PicDrawBox->setFont(arial);
    connect(btnText, &PictureButton::clicked, this, &LC_Form3_pic::btnText_Click);
    MouseHook::install(TextPic, [this](QMouseEvent* e) { return onTextPicMouse(e); });
}

void LC_Form3_pic::btnText_Click() {
    // The keys held at the click decide; Shift before Ctrl.
    const Qt::KeyboardModifiers keys = platform::services().keyboardModifiers();
    if (keys & Qt::ShiftModifier) {
        if (TextPic->isHidden()) {
            return;
        }
        TextPic->setFocus(Qt::OtherFocusReason);
        TextPic->selectAll();
        textArmed = true;
        swatch::setColor(fraText, Qt::white);
    } else if (keys & Qt::ControlModifier) {
        const platform::FontChoice choice =
            platform::services().chooseFont(this, PicDrawBox->font());
        if (choice.accepted) {
            PicDrawBox->setFont(choice.font);
            TextPic->setFont(choice.font);
        }
    } else if (labels_.lblText.toInt() == 0) {
        TextPic->setGeometry(TextPic->x(), 0, TextPic->width(), units::px(200));
        fraText->move(fraPicture->x() + units::px(280), fraText->y());
        fraText->show();
        fraText->raise();
        labels_.lblText = QStringLiteral("1");
    } else {
        fraText->hide();
        labels_.lblText = QStringLiteral("0");
    }
}

bool LC_Form3_pic::onTextPicMouse(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            homeLeft = units::tw(fraText->x());
            if (event->button() == Qt::LeftButton) {
                grabX = units::tw(pos.x());
                grabY = units::tw(pos.y());
            }
            return false;
        case QEvent::MouseMove:
            if (event->buttons() != Qt::LeftButton || !textArmed) {
                return false;
            }
            // The frame follows the pointer, keeping the grab point under it.
            fraText->move(fraText->x() + pos.x() - units::px(grabX),
                          fraText->y() + pos.y() - units::px(grabY));
            history_.historyLocked = false;
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

void LC_Form3_pic::printTextBox() {
    // The canvas point under the frame: the canvas's offsets in the viewport take scrolling into
    // account, and the viewport lies 270 twips below the top of the main frame.
    const int x = units::tw(fraText->x()) - units::tw(PicDrawBox->x());
    const int y = units::tw(fraText->y()) - units::tw(PicDrawBox->y()) - 300;
    SaveUndoStep();
    canvas_stamp::printText(PicDrawBox->image(), QPoint(units::px(x), units::px(y)),
                            TextPic->text(), PicDrawBox->font(), PicDrawBox->foreColor());
    PicDrawBox->update();
    PicDrawBox->setFocus(Qt::OtherFocusReason);
    fraText->setGeometry(units::px(homeLeft), units::px(-30), fraText->width(), units::px(260));
    TextPic->move(units::px(30), 0);
    TextPic->show();
}
