#pragma once

#include <QImage>
#include <QWidget>

// What the pointer carries while a sticker is dragged: the sticker, faded, in a dashed frame.
// It never takes the mouse, so whatever lies under it gets the drop.
class DragOutline : public QWidget {
    Q_OBJECT
public:
    DragOutline(const QImage& picture, QSize size, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
