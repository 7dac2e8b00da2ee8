#include "app/tray_icon.h"

#include <QSystemTrayIcon>

#include "ui/pictures.h"

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {}

TrayIcon::~TrayIcon() {
    remove();
}

void TrayIcon::add() {
    // Made on first use: asking the desktop for its tray costs start-up time, and many runs
    // never hide to the tray.
    if (!nid_) {
        nid_ = new QSystemTrayIcon(this);
        nid_->setObjectName(QStringLiteral("nid"));
        nid_->setIcon(pictures::programIcon());
        nid_->setToolTip(QString::fromLatin1(kToolTip));
        connect(nid_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason r) {
                    if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::Context) {
                        // Queued: whoever listens removes the icon, and the icon's window must
                        // not be destroyed inside its own mouse handler.
                        QMetaObject::invokeMethod(this, &TrayIcon::clicked, Qt::QueuedConnection);
                    }
                });
    }
    nid_->show();
}

void TrayIcon::remove() {
    if (nid_) {
        nid_->hide();
    }
}

bool TrayIcon::isPresent() const {
    return nid_ && nid_->isVisible();
}
