#include "desktop/x_probe.h"

#include <QRegularExpression>
#include <QThread>

namespace {

bool isTrayIcon(const PrivateDesktop& desktop, const QString& id) {
    const WindowInfo info = windowInfo(desktop, id);
    // The panel of the test desktop is 28 pixels high, along the bottom of a 1080-line screen.
    return info.viewable && info.geometry.width() <= 48 && info.geometry.height() <= 48 &&
           info.geometry.top() >= 1080 - 28 &&
           !property(desktop, id, QStringLiteral("_XEMBED_INFO"))
                .contains(QLatin1String("not found"));
}

}  // namespace

QStringList trayIcons(const PrivateDesktop& desktop, const InstalledProgram& program) {
    QStringList icons;
    for (const QString& id : program.windows()) {
        if (isTrayIcon(desktop, id)) {
            icons << id;
        }
    }
    return icons;
}

QStringList viewableWindows(const PrivateDesktop& desktop, const InstalledProgram& program) {
    QStringList shown;
    for (const QString& id : program.windows()) {
        const WindowInfo info = windowInfo(desktop, id);
        // Qt's helper windows (1 x 1 and the like) are mapped but no one sees them.
        if (info.viewable && info.geometry.width() > 3 && !isTrayIcon(desktop, id)) {
            shown << id;
        }
    }
    return shown;
}

QStringList windowsNamed(const PrivateDesktop& desktop, const InstalledProgram& program,
                         const QString& title) {
    QStringList named;
    for (const QString& id : program.windows()) {
        if (property(desktop, id, QStringLiteral("WM_NAME")) ==
            QStringLiteral("WM_NAME(STRING) = \"%1\"").arg(title)) {
            named << id;
        }
    }
    return named;
}

QString property(const PrivateDesktop& desktop, const QString& windowId, const QString& name) {
    return desktop.run(QStringLiteral("xprop"), {QStringLiteral("-id"), windowId, name}).trimmed();
}

QString wmState(const PrivateDesktop& desktop, const QString& windowId) {
    const auto m = QRegularExpression(QStringLiteral("window state: (\\w+)"))
                       .match(property(desktop, windowId, QStringLiteral("WM_STATE")));
    return m.hasMatch() ? m.captured(1) : QString();
}

void clickAt(const PrivateDesktop& desktop, QPoint point, int button, int repeat) {
    desktop.run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QString::number(point.x()),
                 QString::number(point.y()), QStringLiteral("click"), QStringLiteral("--repeat"),
                 QString::number(repeat), QString::number(button)});
    QThread::msleep(150);  // the program handles the click before the next look
}

void keys(const PrivateDesktop& desktop, const QStringList& names) {
    desktop.run(
        QStringLiteral("xdotool"),
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} +
            names);
    QThread::msleep(150);
}

void closeWindow(const PrivateDesktop& desktop, const QString& windowId) {
    // Typed through the server, not sent to the window: keys sent to a window that closes on
    // the press never see their release and stay held for the next program.
    desktop.run(QStringLiteral("xdotool"),
                {QStringLiteral("windowactivate"), QStringLiteral("--sync"), windowId});
    desktop.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+F4")});
}

QString settingsField(const PrivateDesktop& desktop, InstalledProgram& program,
                      const QString& field) {
    return desktop
        .run(QStringLiteral("sqlite3"),
             {program.settingsFile(),
              QStringLiteral("SELECT \"%1\" FROM Tabela1 WHERE id=1").arg(field)})
        .trimmed();
}
