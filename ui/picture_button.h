#pragma once

#include <QLabel>

// A plain picture that reacts to the mouse like a button. It takes no keyboard focus.
// pressed/released fire for any mouse button; clicked for a left-button release over it.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    PictureButton(const QString& name, QWidget* parent);

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void clicked();
    void moved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
