#pragma once

#include <QObject>
#include <functional>

class QMouseEvent;
class QWidget;

// Lets a tool see the mouse events of a control that belongs to someone else. The handler
// returns true to keep an event from the control.
class MouseHook : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(QMouseEvent*)>;

    // Watches `target` for as long as it lives.
    static void install(QWidget* target, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MouseHook(QWidget* target, Handler handler);
    Handler handler_;
};
