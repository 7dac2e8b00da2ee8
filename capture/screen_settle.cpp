#include "capture/screen_settle.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "capture/area_grab.h"

SettleJudge::SettleJudge(QImage withWindow) : withWindow_(std::move(withWindow)) {}

bool SettleJudge::settled(const QImage& grab) {
    if (grab.isNull()) {
        return true;  // nothing to wait for: the caller reports the missing picture
    }
    if (!withWindow_.isNull() && grab == withWindow_) {
        previous_ = QImage();
        return false;
    }
    if (!previous_.isNull() && grab == previous_) {
        return true;
    }
    previous_ = grab;
    return false;
}

namespace {

struct SettleRun {
    QRect area;
    QList<QRect> screens;
    SettleJudge judge;
    SettleTiming timing;
    std::function<void(const QImage&)> done;
    QElapsedTimer clock;
};

void look(QObject* context, const std::shared_ptr<SettleRun>& run) {
    const QImage grab = area_grab::grab(run->area, run->screens);
    const bool ready = run->judge.settled(grab);
    if (ready || run->clock.elapsed() >= run->timing.maxMs) {
        run->done(grab);
        return;
    }
    QTimer::singleShot(run->timing.pollMs, context, [context, run] { look(context, run); });
}

}  // namespace

void grabWhenSettled(QObject* context, const QRect& area, const QList<QRect>& screens,
                     QImage withWindow, SettleTiming timing,
                     std::function<void(const QImage&)> done) {
    auto run = std::make_shared<SettleRun>(
        SettleRun{area, screens, SettleJudge(std::move(withWindow)), timing, std::move(done), {}});
    run->clock.start();
    QTimer::singleShot(timing.firstMs, context, [context, run] {
        if (run->area.isEmpty()) {
            run->done(QImage());
            return;
        }
        look(context, run);
    });
}
