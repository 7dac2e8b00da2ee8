// The faces of the installed program as the desktop shows them: the choices drawn in the main
// window, which face comes back after a capture, and a way back to the program at every step.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include "desktop/capture_desktop.h"
#include "desktop/desktop_harness.h"
#include "desktop/x_probe.h"

namespace {

// Client-area points of the main window, the compact toolbar and the options window.
const QPoint kBtnMini(124, 92), kBtnMinimize(144, 92), kBtnConfig(184, 92);
const QPoint kBarCapture(15, 15), kBarBack(50, 9), kBarTray(50, 21);
const QPoint kOptMini(138, 30), kOptStartInTray(26, 110), kOptOk(203, 193);

// How an option button of the main window is drawn, read from the screen: its round mark
// whole (as wide as high) and whether it holds the dot of the chosen one.
struct Mark {
    bool whole = false;
    bool chosen = false;
};

Mark markAt(const QImage& screen, QPoint topLeft) {
    QRect ink;
    for (int y = topLeft.y(); y < topLeft.y() + 16; ++y) {
        for (int x = topLeft.x(); x < topLeft.x() + 16; ++x) {
            if (qGray(screen.pixel(x, y)) < 0xE0) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return {ink.width() > 10 && ink.width() == ink.height(),
            !ink.isEmpty() && qGray(screen.pixel(ink.center())) < 0x80};
}

TEST(FacesDesktop, TheMainWindowShowsExactlyTheChoicesInForceWithWholeMarks) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.start();
    const auto main = program.waitForWindow();
    ASSERT_TRUE(main) << program.standardError().toStdString();
    const QPoint client = windowInfo(desktop, *main).geometry.topLeft();
    // OptCapture0..2 in Frame1, then OptAction0 ("Editar") and OptAction1 ("Copiar").
    const QList<QPoint> marks{{23, 24}, {92, 24}, {148, 24}, {106, 54}, {161, 54}};
    struct Step {
        int click;                // index in `marks`, -1: none
        QList<bool> chosenAfter;  // the five marks as they must be drawn
    };
    const QList<Step> steps{
        {-1, {true, false, false, true, false}}, {4, {true, false, false, false, true}},
        {3, {true, false, false, true, false}},  {1, {false, true, false, true, false}},
        {4, {false, true, false, false, true}},  {2, {false, false, true, false, true}},
        {0, {true, false, false, false, true}},  {3, {true, false, false, true, false}},
    };
    for (int i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        if (steps[i].click >= 0) {
            clickAt(desktop, client + marks[steps[i].click] + QPoint(7, 7));
        }
        const QImage screen = desktop.screenshot();
        for (int m = 0; m < marks.size(); ++m) {
            const Mark shown = markAt(screen, client + marks[m]);
            EXPECT_TRUE(shown.whole) << "mark " << m << " is cut";
            EXPECT_EQ(shown.chosen, steps[i].chosenAfter[m]) << "mark " << m;
        }
    }
}

// The user can reach the program: a window on the screen, one on the taskbar, or a tray icon.
bool wayBack(const PrivateDesktop& desktop, const InstalledProgram& program) {
    if (!viewableWindows(desktop, program).isEmpty() || !trayIcons(desktop, program).isEmpty()) {
        return true;
    }
    for (const QString& id : program.windows()) {
        if (wmState(desktop, id) == QLatin1String("Iconic")) {
            return true;
        }
    }
    return false;
}

// The rule holds at every look for `ms` milliseconds (the hand-over timers run 250 ms).
bool wayBackThroughout(const PrivateDesktop& desktop, const InstalledProgram& program,
                       int ms = 900) {
    QElapsedTimer clock;
    clock.start();
    do {
        if (!wayBack(desktop, program)) {
            return false;
        }
    } while (clock.elapsed() < ms);
    return true;
}

// Brings the program back the way the desktop offers: the tray icon, else the taskbar entry.
void comeBack(const PrivateDesktop& desktop, const InstalledProgram& program) {
    const QStringList icons = trayIcons(desktop, program);
    if (!icons.isEmpty()) {
        clickAt(desktop, windowInfo(desktop, icons[0]).geometry.center());
        return;
    }
    for (const QString& id : program.windows()) {
        if (wmState(desktop, id) == QLatin1String("Iconic")) {
            desktop.run("xdotool", {"windowactivate", id});
            return;
        }
    }
}

// The faces on the screen, by their sizes: "main" (248 x 115), "bar" (60 x 31), "main+bar" when
// both are, "" when none is.
QString shownFace(const PrivateDesktop& desktop, const InstalledProgram& program) {
    QStringList faces;
    for (const QString& id : viewableWindows(desktop, program)) {
        const QSize size = windowInfo(desktop, id).geometry.size();
        if (size == QSize(248, 115)) {
            faces << "main";
        } else if (size == QSize(60, 31)) {
            faces << "bar";
        }
    }
    return faces.size() == 1 ? faces[0] : faces.join('+');
}

QPoint clientOf(const PrivateDesktop& desktop, const InstalledProgram& program,
                const QString& face) {
    for (const QString& id : viewableWindows(desktop, program)) {
        const QRect r = windowInfo(desktop, id).geometry;
        if ((face == "bar") == (r.size() == QSize(60, 31))) {
            return r.topLeft();
        }
    }
    return {};
}

TEST(FacesDesktop, EveryFaceChangeLeavesAWayBackWithAndWithoutATray) {
    for (bool tray : {true, false}) {
        SCOPED_TRACE(tray ? "with a tray" : "without a tray");
        PrivateDesktop desktop({.tray = tray});
        InstalledProgram program(desktop);
        program.start();
        ASSERT_TRUE(program.waitForWindow()) << program.standardError().toStdString();
        auto step = [&](const char* what, QPoint client, QPoint point, const QString& face) {
            SCOPED_TRACE(what);
            clickAt(desktop, client + point);
            EXPECT_TRUE(wayBackThroughout(desktop, program));
            if (!face.isEmpty()) {
                EXPECT_TRUE(waitUntil([&] { return shownFace(desktop, program) == face; }))
                    << shownFace(desktop, program).toStdString();
            }
        };
        auto back = [&](const char* what, const QString& face) {
            SCOPED_TRACE(what);
            comeBack(desktop, program);
            EXPECT_TRUE(waitUntil([&] { return shownFace(desktop, program) == face; }))
                << shownFace(desktop, program).toStdString();
            EXPECT_TRUE(wayBackThroughout(desktop, program, 300));
        };
        const auto main = [&] { return clientOf(desktop, program, "main"); };
        const auto bar = [&] { return clientOf(desktop, program, "bar"); };
        ASSERT_TRUE(wayBackThroughout(desktop, program));

        // Options: start with the toolbar, in the tray. From then on every load of the toolbar
        // sends the program to the tray (or, without one, to the taskbar) at once.
        clickAt(desktop, main() + kBtnConfig);
        std::optional<QString> options;
        ASSERT_TRUE(waitUntil([&] {
            options = program.waitForWindow("Lumacap", 200);
            return options && windowInfo(desktop, *options).geometry.height() == 207;
        }));
        const QPoint optionsClient = windowInfo(desktop, *options).geometry.topLeft();
        clickAt(desktop, optionsClient + kOptMini);
        clickAt(desktop, optionsClient + kOptStartInTray);
        step("options: Ok", optionsClient, kOptOk, "main");
        ASSERT_TRUE(waitUntil([&] { return settingsField(desktop, program, "optMax") == "0"; }));
        step("main: btnMini with a compact start in the tray", main(), kBtnMini, "");
        back("bar back from the tray", "bar");

        step("bar: btnTray", bar(), kBarTray, "");
        back("bar back", "bar");
        step("bar: back to the main window", bar(), kBarBack, "main");
        step("main: btnMinimize", main(), kBtnMinimize, "");
        back("main back", "main");
        step("main: btnMini again", main(), kBtnMini, "");
        back("bar back again", "bar");
        // The main window was on the taskbar before: it comes back as a window all the same.
        step("bar: back to the main window again", bar(), kBarBack, "main");
    }
}

TEST(FacesDesktop, AToolbarCaptureThatTakesNothingBringsBackTheToolbarAlone) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram()) << d.program().standardError().toStdString();
    PrivateDesktop& desktop = d.desktop();
    InstalledProgram& program = d.program();
    d.chooseWholeScreen();  // from the toolbar the overlay comes up all the same: a click there
    d.clickMain(kBtnMini);  // takes nothing
    ASSERT_TRUE(waitUntil([&] { return shownFace(desktop, program) == "bar"; }));

    clickAt(desktop, clientOf(desktop, program, "bar") + kBarCapture);
    ASSERT_TRUE(d.waitForOverlay());
    clickAt(desktop, {700, 500});
    ASSERT_TRUE(d.waitForOverlayGone());
    EXPECT_TRUE(waitUntil([&] { return shownFace(desktop, program) == "bar"; }))
        << shownFace(desktop, program).toStdString();
    QThread::msleep(400);
    EXPECT_EQ(shownFace(desktop, program), "bar");

    // The toolbar's tray button then hides the one face there is.
    clickAt(desktop, clientOf(desktop, program, "bar") + kBarTray);
    EXPECT_TRUE(waitUntil([&] { return shownFace(desktop, program).isEmpty(); }))
        << shownFace(desktop, program).toStdString();
}

}  // namespace
