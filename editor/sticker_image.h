#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

class DragOutline;

// One sticker of the sticker panel: a picture stretched to the control. A press can start a
// drag (beginDrag); the sticker then carries an outline of itself under the pointer until the
// button is released, and reports where.
class StickerImage : public QWidget {
    Q_OBJECT
public:
    StickerImage(const QString& name, QWidget* parent);
    ~StickerImage() override;

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    // Starts dragging the sticker, held at `grab` (pixels inside the control), until the mouse
    // button that is down now comes up.
    void beginDrag(QPoint grab);
    bool dragging() const { return dragging_; }

Q_SIGNALS:
    // A mouse button went down on the sticker; `pos` in pixels inside the control.
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    // The mouse moved over the sticker (not while it is dragged).
    void moved();
    // A drag ended with the button released at `globalPos` (logical screen position).
    void dropped(QPointF globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void endDrag();
    void placeOutline(QPoint globalPos);

    QImage picture_;
    bool dragging_ = false;
    QPoint grab_;
    QPointer<DragOutline> outline_;
};
