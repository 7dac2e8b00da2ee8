#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

// One request to the desktop's Screenshot portal (org.freedesktop.portal.Screenshot), without
// asking the user anything. The answer comes as a signal on the request's own object, which is
// listened to before the request is made, so that a quick answer is never missed; the request
// is given up after a time limit.
class PortalScreenshot : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Picture,   // `file` holds it
        NoPortal,  // the session offers no Screenshot portal
        Refused,   // refused, or cancelled by the user
        Failed,    // the portal answered with an error, or not in time
    };
    struct Result {
        Outcome outcome = Outcome::Failed;
        QString file;
        QString detail;  // what the portal or the bus said
    };

    explicit PortalScreenshot(QObject* parent = nullptr);

    // Makes the request; finished() follows once, within `limitMs`.
    void start(int limitMs);

signals:
    void finished(const PortalScreenshot::Result& result);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    void listen(const QString& handle);
    void finish(Outcome outcome, const QString& file, const QString& detail);

    QString handle_;
    QTimer limit_;
    bool done_ = false;
};
