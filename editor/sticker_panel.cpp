// The sticker panel fraIcons: nine stickers loaded from IMG/, picked, enlarged and dragged onto
// the canvas, where they are painted at the size they have while dragged.
#include <QLabel>
#include <QMouseEvent>

#include "app/picture_button.h"
#include "app/program.h"
#include "app/units.h"
#include "editor/canvas.h"
#include "editor/canvas_stamp.h"
#include "editor/editor_window.h"
#include "editor/mouse_hook.h"
#include "editor/picture_holder.h"
#include "editor/sticker_image.h"
#include "editor/sticker_pictures.h"
#include "editor/swatch.h"

namespace {

constexpr int kRestTw = 210;
constexpr int kHeldTw = 330;
const QColor kHighlight(224, 224, 224);

void setSizeTw(QWidget* w, int size) {
    w->resize(units::px(size), units::px(size));
}

}  // namespace

void LC_Form3_pic::wireStickers() {
    iconDefault->setPixmap(QPixmap::fromImage(sticker_pictures::iconDefault()));
    connect(btnIcons, &PictureButton::clicked, this, [this] {
        fraIcons->show();
        fraIcons->raise();
    });
    connect(btnClose, &PictureButton::clicked, fraIcons, &QWidget::hide);
    connect(btnRotate, &PictureButton::clicked, this, &LC_Form3_pic::btnRotate_Click);
    for (int i = 0; i < sticker_pictures::kStickerCount; ++i) {
        StickerImage* s = ImgFim[i];
        connect(s, &StickerImage::pressed, this,
                [this, i](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
                    stickerPressed(i, button, modifiers, pos);
                });
        connect(s, &StickerImage::moved, this, [this] {
            if (labels_.lblCheckImg.toInt() == 1 && selImage) {
                setSizeTw(selImage, kRestTw);
            }
        });
        connect(s, &StickerImage::dropped, this,
                [this, s](QPoint globalPos) { stickerDropped(s, globalPos); });
    }
    MouseHook::install(fraIcons, [this](QMouseEvent* e) {
        if (e->type() == QEvent::MouseMove) {
            shrinkSelectedSticker();
        }
        return false;
    });
    connect(PicDrawBox, &Canvas::mouseMoved, this, &LC_Form3_pic::shrinkSelectedSticker);
}

void LC_Form3_pic::shrinkSelectedSticker() {
    if (labels_.lblCheckImg.toInt() != 1) {
        return;
    }
    if (StickerImage* s = stickerNamed(labels_.lblImg)) {
        setSizeTw(s, kRestTw);
    }
    labels_.lblCheckImg = QStringLiteral("0");
}

void LC_Form3_pic::loadStickers() {
    LoadIconPicture(sticker_pictures::fileName(1), QStringLiteral("PicIni"));
    for (int i = 0; i < sticker_pictures::kStickerCount; ++i) {
        LoadIconPicture(sticker_pictures::fileName(i + 1), ImgFim[i]->objectName());
    }
    selName = labels_.lblImg;
    selImage = stickerNamed(selName);
}

void LC_Form3_pic::LoadIconPicture(const QString& fileName, const QString& controlName) {
    const QImage picture = sticker_pictures::load(programDir(), fileName);
    if (controlName.compare(PicIni->objectName(), Qt::CaseInsensitive) == 0) {
        PicIni->setPicture(picture);
    } else if (StickerImage* s = stickerNamed(controlName)) {
        s->setPicture(picture);
    }
}

StickerImage* LC_Form3_pic::stickerNamed(const QString& name) const {
    for (StickerImage* s : ImgFim) {
        if (s->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            return s;
        }
    }
    return nullptr;
}

void LC_Form3_pic::stickerPressed(int index, Qt::MouseButton button,
                                  Qt::KeyboardModifiers modifiers, QPoint pos) {
    const QString name = ImgFim[index]->objectName();
    labels_.lblImg = name;
    selName = name;
    selImage = ImgFim[index];
    DragButton(button, modifiers, units::tw(pos.x()), units::tw(pos.y()), name);
}

void LC_Form3_pic::DragButton(Qt::MouseButton button, Qt::KeyboardModifiers, double x, double y,
                              const QString& name) {
    const QString labelName = QStringLiteral("lbl") + name;
    for (QLabel* l : lblImgFim) {
        if (l->objectName().compare(labels_.lblBackColor, Qt::CaseInsensitive) == 0) {
            swatch::setColor(l, palette().color(QPalette::Base));
        }
    }
    for (QLabel* l : lblImgFim) {
        if (l->objectName().compare(labelName, Qt::CaseInsensitive) == 0) {
            swatch::setColor(l, kHighlight);
        }
    }
    labels_.lblImg = name;
    labels_.lblBackColor = labelName;
    StickerImage* sticker = stickerNamed(labels_.lblImg);
    if (!sticker) {
        return;
    }
    PicIni->setPicture(sticker->picture());
    setSizeTw(sticker, kHeldTw);
    sticker->raise();  // it grows over its neighbours
    labels_.lblCheckImg = QStringLiteral("1");
    if (button == Qt::LeftButton) {
        grabX = x;
        grabY = y;
        sticker->beginDrag(QPoint(units::px(x), units::px(y)));
    }
}

void LC_Form3_pic::stickerDropped(StickerImage* source, QPoint globalPos) {
    // The drop goes to whatever lies under the pointer; only the canvas takes it, and only
    // where the viewport shows it.
    const QWidget* target = childAt(mapFromGlobal(globalPos));
    if (target != PicDrawBox) {
        return;
    }
    const QPoint p = PicDrawBox->toImage(PicDrawBox->mapFromGlobal(globalPos));
    PicDrawBox_DragDrop(source, units::tw(p.x()), units::tw(p.y()));
}

void LC_Form3_pic::PicDrawBox_DragDrop(StickerImage* source, double x, double y) {
    if (source) {
        picTemp->setPicture(source->picture());
        history_.historyLocked = false;
        SaveUndoStep();
        const QRect target(units::px(x - grabX), units::px(y - grabY),
                           units::px(units::tw(source->width())),
                           units::px(units::tw(source->height())));
        canvas_stamp::paintPicture(PicDrawBox->image(), picTemp->picture(), target);
        PicDrawBox->update();
    }
    if (selImage) {
        setSizeTw(selImage, kRestTw);
    }
    PicDrawBox->setFocus(Qt::OtherFocusReason);
}
