// One bare Screenshot portal request, as the floor of the Wayland copy benchmark: prints the
// milliseconds from the request to the portal's answer, removes the portal's file, and ends
// with status 0 (1 when the portal gave no picture).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "platform/wayland/portal_screenshot.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    PortalScreenshot request;
    QElapsedTimer clock;
    QObject::connect(&request, &PortalScreenshot::finished, &app,
                     [&clock](const PortalScreenshot::Result& r) {
                         const double ms = clock.nsecsElapsed() / 1e6;
                         const bool picture = r.outcome == PortalScreenshot::Outcome::Picture;
                         if (picture) {
                             QFile::remove(r.file);
                         }
                         std::printf("%.3f\n", ms);
                         QCoreApplication::exit(picture ? 0 : 1);
                     });
    clock.start();
    request.start(30000);
    return QCoreApplication::exec();
}
