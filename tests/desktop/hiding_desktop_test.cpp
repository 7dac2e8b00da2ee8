// Hiding the installed program to the tray or the taskbar and bringing it back, as the desktop
// sees it.
#include <gtest/gtest.h>

#include <QThread>

#include "desktop/desktop_harness.h"
#include "desktop/x_probe.h"

namespace {

// btnMinimize rests at 2040, 1260 twips: 136, 84 pixels from the client's corner; 17 pixels.
const QPoint kMinimizeButton(136 + 8, 84 + 8);

QPoint centre(const PrivateDesktop& desktop, const QString& id) {
    return windowInfo(desktop, id).geometry.center();
}

TEST(HidingDesktop, MinimizeDocksOneIconAndEitherButtonOnItBringsTheWindowBack) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.start();
    const auto main = program.waitForWindow();
    ASSERT_TRUE(main) << program.standardError().toStdString();

    for (int button : {1, 3}) {
        SCOPED_TRACE(button == 1 ? "left button" : "right button");
        clickAt(desktop, windowInfo(desktop, *main).geometry.topLeft() + kMinimizeButton);
        EXPECT_TRUE(waitUntil([&] { return !windowInfo(desktop, *main).viewable; }));
        QStringList icons;
        EXPECT_TRUE(waitUntil([&] { return (icons = trayIcons(desktop, program)).size() == 1; }));
        QThread::msleep(300);
        icons = trayIcons(desktop, program);
        ASSERT_EQ(icons.size(), 1) << icons.join(' ').toStdString();
        EXPECT_TRUE(viewableWindows(desktop, program).isEmpty());

        clickAt(desktop, centre(desktop, icons[0]), button);
        EXPECT_TRUE(waitUntil([&] { return windowInfo(desktop, *main).viewable; }));
        EXPECT_TRUE(waitUntil([&] { return trayIcons(desktop, program).isEmpty(); }));
        EXPECT_EQ(wmState(desktop, *main), "Normal");
    }
}

TEST(HidingDesktop, StartHiddenShowsNoWindowAndOneIcon) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.folder().setField("iniMinimized", "1");
    program.start();
    QStringList icons;
    ASSERT_TRUE(waitUntil([&] { return (icons = trayIcons(desktop, program)).size() == 1; }))
        << program.standardError().toStdString();
    QThread::msleep(500);
    EXPECT_EQ(trayIcons(desktop, program).size(), 1);
    EXPECT_TRUE(viewableWindows(desktop, program).isEmpty());

    clickAt(desktop, centre(desktop, icons[0]));
    EXPECT_TRUE(program.waitForWindow("Lumacap", 5000));
    EXPECT_TRUE(waitUntil([&] { return trayIcons(desktop, program).isEmpty(); }));
}

TEST(HidingDesktop, WithoutATrayHidingMinimisesToTheTaskbar) {
    PrivateDesktop desktop({.tray = false});
    InstalledProgram program(desktop);
    program.start();
    const auto main = program.waitForWindow();
    ASSERT_TRUE(main) << program.standardError().toStdString();
    clickAt(desktop, windowInfo(desktop, *main).geometry.topLeft() + kMinimizeButton);
    EXPECT_TRUE(waitUntil([&] { return wmState(desktop, *main) == "Iconic"; }));
    EXPECT_TRUE(trayIcons(desktop, program).isEmpty());
    // The taskbar brings it back.
    desktop.run("xdotool", {"windowactivate", *main});
    EXPECT_TRUE(waitUntil([&] { return windowInfo(desktop, *main).viewable; }));

    // A start hidden goes to the taskbar as well, never out of reach.
    InstalledProgram hidden(desktop);
    hidden.folder().setField("iniMinimized", "1");
    hidden.start();
    QStringList named;
    EXPECT_TRUE(waitUntil([&] {
        named = windowsNamed(desktop, hidden, "Lumacap");
        return named.size() == 1 && wmState(desktop, named[0]) == "Iconic";
    })) << hidden.standardError().toStdString();
    EXPECT_TRUE(trayIcons(desktop, hidden).isEmpty());
}

}  // namespace
