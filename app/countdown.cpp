#include "app/countdown.h"

#include <QTimer>
#include <cstdio>

#include "app/pointer_notice.h"
#include "platform/global_key.h"
#include "ui/forms.h"
#include "ui/notice_window.h"

namespace {

void showLeft(int seconds) {
    noticeUnderPointer(QStringLiteral("Captura em %1 s").arg(seconds));
}

}  // namespace

Countdown::Countdown(int seconds, std::function<void()> elapsed, std::function<void()> cancelled,
                     QObject* parent)
    : QObject(parent),
      left_(seconds),
      elapsed_(std::move(elapsed)),
      cancelled_(std::move(cancelled)),
      timer_(new QTimer(this)),
      escape_(new platform::GlobalKey(platform::GlobalKey::Key::Escape, this)) {
    timer_->setInterval(1000);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &Countdown::tick);
    // Queued: the key's handler must be done before the grab it runs in is released.
    connect(escape_, &platform::GlobalKey::pressed, this, &Countdown::cancel, Qt::QueuedConnection);
    QString why;
    if (!escape_->grab(&why)) {
        // The wait still runs; it just cannot be cut short from the keyboard.
        std::fprintf(stderr, "Lumacap: Esc não cancela a espera: %s\n",
                     why.toLocal8Bit().constData());
    }
    showLeft(left_);
    timer_->start();
}

Countdown::~Countdown() = default;

void Countdown::tick() {
    if (--left_ > 0) {
        showLeft(left_);
        return;
    }
    finish(elapsed_);
}

void Countdown::cancel() {
    finish(cancelled_);
}

void Countdown::finish(const std::function<void()>& then) {
    timer_->stop();
    if (escape_) {
        escape_->deleteLater();  // the key goes back to the desktop
        escape_ = nullptr;
    }
    if (auto* notice = Forms::instance().ifLoaded<LC_Form8_aviso>()) {
        notice->unloadForm();
    }
    const auto callback = then;
    elapsed_ = nullptr;
    cancelled_ = nullptr;
    if (callback) {
        callback();
    }
}
