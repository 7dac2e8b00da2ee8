#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <functional>

class QDragEnterEvent;
class QDropEvent;
class QPainter;
class QRegion;

// The editor's canvas, PicDrawBox. Its picture (the persistent image) is the document: every
// capture is put into it, every tool draws into it, undo, save and copy read it. It is shown
// one picture pixel per device pixel of its screen (sharp at any density), inside a sunken
// border 2 logical pixels wide: the widget is the picture's logical size plus 4 pixels (60
// twips).
//
// Tools draw on image() and then call update(). Mouse positions are reported in picture
// pixels: the pixel under the pointer.
class Canvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorderPx = 2;
    static constexpr int kBorderTw = 30;  // each side

    explicit Canvas(QWidget* parent = nullptr);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    // Makes `picture` the canvas picture and sizes the widget to it plus the border.
    void setImage(const QImage& picture);

    // Outer size in twips: the picture plus the border.
    int widthTw() const;
    int heightTw() const;
    // Picture pixels for an outer size in twips counted in picture pixels (never below 0).
    static int innerPixels(int outerTw);

    // Gives the picture a buffer of its own when it shares one (with the kept capture, the
    // clipboard, ...), so that drawing on it needs no copy that could fail half way. False when
    // memory runs out; the picture stays as it is.
    bool ownPixels();
    // Picture pixels per logical pixel: the density of the screen the canvas is on.
    qreal scale() const;
    // Follows a change of the screen's density (the window went to another screen): the widget
    // takes the picture's new logical size and scaleChanged() is sent.
    void fitToScale();

    // Fills the whole picture with the background colour.
    void clear();

    // Stroke colour of lines and text (the picture box's foreground colour).
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& c) { foreColor_ = c; }
    // Colour that clear() and new space take. Setting it leaves the picture as it is.
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& c) { backColor_ = c; }
    // Pen width in pixels, never below 1.
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int width) { lineWidth_ = std::max(1, width); }

    // The picture pixel shown at a widget position: that of the mouse event stamped
    // `timestamp`, or without one, of the pointer now.
    QPoint toImage(const QPointF& widgetPos, quint64 timestamp = 0) const;
    // Repaints where the widget shows these picture pixels, and nowhere else.
    void updatePicture(const QRegion& picturePixels);

    // What a tool shows over the picture while it is used (a shape being dragged): painted after
    // the picture with the painter in picture pixels, for the picture pixels `exposed`. It never
    // enters the picture. An empty function shows nothing.
    using Overlay = std::function<void(QPainter& painter, const QRect& exposed)>;
    void setOverlay(Overlay overlay);

Q_SIGNALS:
    void mousePressed(const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers);
    void mouseMoved(const QPoint& pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void mouseReleased(const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers modifiers);
    // Drag and drop onto the canvas (stickers). Accept the event in a slot to take the drop.
    void dragEntered(QDragEnterEvent* event);
    void dropped(QDropEvent* event, const QPoint& pos);
    // The widget changed size for a new screen density.
    void scaleChanged();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void fitToImage();
    // Where the picture's first pixel lies, in device pixels of the window.
    QPoint imageOriginInWindow() const;
    void paintBorder(QPainter& p) const;
    // Where the picture's first pixel lies in the widget, in device pixels.
    QPointF imageOrigin() const;

    QImage image_;
    Overlay overlay_;
    QColor foreColor_;
    QColor backColor_;
    int lineWidth_ = 1;
    qreal fittedScale_ = 1;
};
