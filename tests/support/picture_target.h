#pragma once

#include <QImage>
#include <QPainter>
#include <new>
#include <optional>

#include "editor/history/history_target.h"

// A canvas for the undo history without any window: a picture, a window height and a
// maximised flag.
class PictureTarget : public HistoryTarget {
public:
    explicit PictureTarget(QImage start) : picture(std::move(start)) {}

    const QImage& canvasPicture() const override { return picture; }
    int canvasHeightTw() const override { return picture.height() * 15 + 60; }
    int windowHeightTw() const override { return windowHeight; }
    bool maximised() const override { return isMaximised; }
    void restoreState(const TiledSnapshot& p, int canvasHeight,
                      std::optional<int> window) override {
        QImage shown = p.toImage();
        if (shown.isNull() && !p.isNull()) {
            throw std::bad_alloc();
        }
        picture = shown;
        restoredCanvasHeight = canvasHeight;
        if (window) {
            windowHeight = *window;
        }
        ++restores;
    }

    // A short stroke from `a` to `b`.
    void line(QPoint a, QPoint b, QColor c = Qt::red) {
        QPainter p(&picture);
        p.setPen(c);
        p.drawLine(a, b);
    }

    QImage picture;
    int windowHeight = 3000;
    bool isMaximised = false;
    int restoredCanvasHeight = 0;
    int restores = 0;
};
