#pragma once

#include <QObject>
#include <functional>

class QTimer;

namespace platform {
class GlobalKey;
}

// The wait before a delayed capture: a notice in the middle of the screen counts the seconds
// down, and Escape, taken from the whole desktop for that time, cancels. Exactly one of the two
// callbacks runs, once; destroying the countdown first runs neither.
class Countdown : public QObject {
    Q_OBJECT
public:
    Countdown(int seconds, std::function<void()> elapsed, std::function<void()> cancelled,
              QObject* parent);
    ~Countdown() override;

    void cancel();

private:
    void tick();
    void finish(const std::function<void()>& then);

    int left_;
    std::function<void()> elapsed_;
    std::function<void()> cancelled_;
    QTimer* timer_ = nullptr;
    platform::GlobalKey* escape_ = nullptr;
};
