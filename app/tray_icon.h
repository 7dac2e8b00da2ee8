#pragma once

#include <QObject>

class QSystemTrayIcon;

// The program's icon in the desktop's tray. Adding it twice leaves one icon; it is removed
// again when this object ends, so the program never leaves a dead icon behind.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kToolTip = "Morvell Lumacap";

    explicit TrayIcon(QObject* parent);
    ~TrayIcon() override;

    void add();
    void remove();
    bool isPresent() const;

Q_SIGNALS:
    // The left or the right button was pressed on the icon.
    void clicked();

private:
    QSystemTrayIcon* nid_ = nullptr;
};
