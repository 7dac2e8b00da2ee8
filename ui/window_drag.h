#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Lets the user drag a window by pressing anywhere on its background. Asks the window manager
// to move it (as if the title bar were pressed); where the window manager declines, the window
// follows the pointer until the button is released.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    explicit WindowDrag(QWidget* window);

    // Call from the window's own mouse-press handler (a press on its background).
    void begin(const QPoint& globalPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool manual_ = false;
    QPoint offset_;
};
