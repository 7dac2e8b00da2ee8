#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class LC_Form3_pic;
class PictureHolder;
class StickerImage;

// The sticker panel fraIcons: nine stickers loaded from IMG/, picked (highlighted and
// enlarged), turned a quarter at a time with btnRotate, and dragged onto the canvas, where
// they are painted at the size they have while dragged, one undo step each.
class StickerPanel : public QObject {
    Q_OBJECT
public:
    explicit StickerPanel(LC_Form3_pic* editor);

    // Loads the nine pictures (at the editor's load).
    void loadStickers();
    void LoadIconPicture(const QString& fileName, const QString& controlName);
    void DragButton(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y,
                    const QString& name);
    // A sticker released over the canvas at (x, y), canvas twips.
    void PicDrawBox_DragDrop(StickerImage* source, double x, double y);
    void btnRotate_Click();
    void RotatePicture(PictureHolder* box, StickerImage* sticker);
    // The sticker of that name (names compare without regard to case), or null.
    StickerImage* stickerNamed(const QString& name) const;

    QString selName;
    StickerImage* selImage = nullptr;

private:
    void stickerPressed(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                        QPoint pos);
    void stickerDropped(StickerImage* source, QPointF globalPos);
    void shrinkSelectedSticker();

    LC_Form3_pic* editor_;
};
