// The sticker panel fraIcons: nine stickers loaded from IMG/, picked, enlarged and dragged onto
// the canvas, where they are painted at the size they have while dragged.
#include "editor/sticker_panel.h"

#include <QLabel>
#include <QMouseEvent>
#include <cmath>

#include "editor/canvas.h"
#include "editor/canvas_stamp.h"
#include "editor/editor_window.h"
#include "editor/mouse_hook.h"
#include "editor/picture_holder.h"
#include "editor/sticker_image.h"
#include "editor/sticker_pictures.h"
#include "editor/sticker_rotation.h"
#include "editor/swatch.h"
#include "platform/program_dir.h"
#include "ui/picture_button.h"
#include "ui/units.h"

namespace {

constexpr int kRestTw = 210;
constexpr int kHeldTw = 330;
const QColor kHighlight(224, 224, 224);

void setSizeTw(QWidget* w, int size) {
    w->resize(units::px(size), units::px(size));
}

}  // namespace

StickerPanel::StickerPanel(LC_Form3_pic* editor) : QObject(editor), editor_(editor) {
    setObjectName(QStringLiteral("StickerPanel"));
    editor_->iconDefault->setPixmap(QPixmap::fromImage(sticker_pictures::iconDefault()));
    connect(editor_->btnIcons, &PictureButton::clicked, this, [this] {
        editor_->fraIcons->show();
        editor_->fraIcons->raise();
    });
    connect(editor_->btnClose, &PictureButton::clicked, editor_->fraIcons, &QWidget::hide);
    connect(editor_->btnRotate, &PictureButton::clicked, this, &StickerPanel::btnRotate_Click);
    for (int i = 0; i < sticker_pictures::kStickerCount; ++i) {
        StickerImage* s = editor_->ImgFim[i];
        connect(s, &StickerImage::pressed, this,
                [this, i](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
                    stickerPressed(i, button, modifiers, pos);
                });
        connect(s, &StickerImage::moved, this, [this] {
            if (editor_->labels().lblCheckImg.toInt() == 1 && selImage) {
                setSizeTw(selImage, kRestTw);
            }
        });
        connect(s, &StickerImage::dropped, this,
                [this, s](QPointF globalPos) { stickerDropped(s, globalPos); });
    }
    MouseHook::install(editor_->fraIcons, [this](QMouseEvent* e) {
        if (e->type() == QEvent::MouseMove) {
            shrinkSelectedSticker();
        }
        return false;
    });
    connect(editor_->PicDrawBox, &Canvas::mouseMoved, this, &StickerPanel::shrinkSelectedSticker);
}

void StickerPanel::shrinkSelectedSticker() {
    if (editor_->labels().lblCheckImg.toInt() != 1) {
        return;
    }
    if (StickerImage* s = stickerNamed(editor_->labels().lblImg)) {
        setSizeTw(s, kRestTw);
    }
    editor_->labels().lblCheckImg = QStringLiteral("0");
}

void StickerPanel::loadStickers() {
    LoadIconPicture(sticker_pictures::fileName(1), QStringLiteral("PicIni"));
    for (int i = 0; i < sticker_pictures::kStickerCount; ++i) {
        LoadIconPicture(sticker_pictures::fileName(i + 1), editor_->ImgFim[i]->objectName());
    }
    selName = editor_->labels().lblImg;
    selImage = stickerNamed(selName);
}

void StickerPanel::LoadIconPicture(const QString& fileName, const QString& controlName) {
    const QImage picture = sticker_pictures::load(platform::programDir(), fileName);
    if (controlName.compare(editor_->PicIni->objectName(), Qt::CaseInsensitive) == 0) {
        editor_->PicIni->setPicture(picture);
    } else if (StickerImage* s = stickerNamed(controlName)) {
        s->setPicture(picture);
    }
}

StickerImage* StickerPanel::stickerNamed(const QString& name) const {
    for (StickerImage* s : editor_->ImgFim) {
        if (s->objectName().compare(name, Qt::CaseInsensitive) == 0) {
            return s;
        }
    }
    return nullptr;
}

void StickerPanel::stickerPressed(int index, Qt::MouseButton button,
                                  Qt::KeyboardModifiers modifiers, QPoint pos) {
    const QString name = editor_->ImgFim[index]->objectName();
    editor_->labels().lblImg = name;
    selName = name;
    selImage = editor_->ImgFim[index];
    DragButton(button, modifiers, units::tw(pos.x()), units::tw(pos.y()), name);
}

void StickerPanel::DragButton(Qt::MouseButton button, Qt::KeyboardModifiers, double x, double y,
                              const QString& name) {
    const QString labelName = QStringLiteral("lbl") + name;
    for (QLabel* l : editor_->lblImgFim) {
        if (l->objectName().compare(editor_->labels().lblBackColor, Qt::CaseInsensitive) == 0) {
            swatch::setColor(l, editor_->palette().color(QPalette::Base));
        }
    }
    for (QLabel* l : editor_->lblImgFim) {
        if (l->objectName().compare(labelName, Qt::CaseInsensitive) == 0) {
            swatch::setColor(l, kHighlight);
        }
    }
    editor_->labels().lblImg = name;
    editor_->labels().lblBackColor = labelName;
    StickerImage* sticker = stickerNamed(editor_->labels().lblImg);
    if (!sticker) {
        return;
    }
    editor_->PicIni->setPicture(sticker->picture());
    setSizeTw(sticker, kHeldTw);
    sticker->raise();  // it grows over its neighbours
    editor_->labels().lblCheckImg = QStringLiteral("1");
    if (button == Qt::LeftButton) {
        editor_->grabX = x;
        editor_->grabY = y;
        sticker->beginDrag(QPoint(units::px(x), units::px(y)));
    }
}

void StickerPanel::stickerDropped(StickerImage* source, QPointF globalPos) {
    // The drop goes to whatever lies under the pointer; only the canvas takes it, and only
    // where the viewport shows it.
    const QWidget* target = editor_->childAt(editor_->mapFromGlobal(globalPos).toPoint());
    if (target != editor_->PicDrawBox) {
        return;
    }
    const QPoint p = editor_->PicDrawBox->toImage(editor_->PicDrawBox->mapFromGlobal(globalPos));
    PicDrawBox_DragDrop(source, units::tw(p.x()), units::tw(p.y()));
}

void StickerPanel::PicDrawBox_DragDrop(StickerImage* source, double x, double y) {
    if (source) {
        editor_->picTemp->setPicture(source->picture());
        // The sticker lands as large as it looked while dragged, with the point it was held
        // by under the pointer: logical sizes become picture pixels at the canvas's density.
        const qreal s = editor_->PicDrawBox->scale();
        auto picturePx = [s](double tw) {
            return static_cast<int>(std::lround(tw / units::kTwipsPerPixel * s));
        };
        const QRect target(
            units::px(x) - picturePx(editor_->grabX), units::px(y) - picturePx(editor_->grabY),
            picturePx(units::tw(source->width())), picturePx(units::tw(source->height())));
        editor_->edit([this, target] {
            canvas_stamp::paintPicture(editor_->PicDrawBox->image(), editor_->picTemp->picture(),
                                       target);
        });
    }
    if (selImage) {
        setSizeTw(selImage, kRestTw);
    }
    editor_->PicDrawBox->setFocus(Qt::OtherFocusReason);
}

void StickerPanel::btnRotate_Click() {
    selName = editor_->labels().lblImg;
    selImage = stickerNamed(selName);
    if (selImage) {
        RotatePicture(editor_->PicIni, selImage);
    }
}

void StickerPanel::RotatePicture(PictureHolder* box, StickerImage* sticker) {
    QImage picture = box->picture();
    sticker_rotation::turnClockwiseInPlace(picture);
    box->setPicture(picture);
    sticker->setPicture(picture);
}
