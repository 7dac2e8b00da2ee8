#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// SIGTERM, SIGINT and SIGHUP (a logout, a terminal closed) become a signal in the event loop,
// so that the program can end the way closing its main window ends it, and hand on what must
// outlive it. One instance at a time.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent);
    ~TerminationSignals() override;

Q_SIGNALS:
    void received();

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace platform
