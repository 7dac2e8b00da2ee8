// The installed program stores the main window's place and the fixed capture size; the next
// start uses both.
#include <gtest/gtest.h>

#include <QThread>

#include "desktop/desktop_harness.h"
#include "desktop/x_probe.h"

namespace {

// Client-area pixels of the controls that are clicked (twips / 15; Frame2 shown at top 1000).
const QPoint kPositionButton(156 + 8, 84 + 8);
const QPoint kAreaOption(15 + 77 + 6, 5 + 19 + 8);
const QPoint kWidthBox(15 + 109 + 16, 67 + 12 + 8);
const QPoint kHeightBox(15 + 159 + 16, 67 + 12 + 8);
const QPoint kSaveSizeButton(15 + 197 + 7, 67 + 12 + 7);

QString activeWindow(const PrivateDesktop& desktop) {
    return desktop.run("xdotool", {"getactivewindow"}).trimmed();
}

TEST(PositionDesktop, PositionButtonStoresThePlaceAndTheNextStartOpensThere) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.start();
    auto main = program.waitForWindow();
    ASSERT_TRUE(main) << program.standardError().toStdString();
    desktop.run("xdotool", {"windowmove", "--sync", *main, "300", "200"});
    ASSERT_TRUE(waitUntil([&] { return windowInfo(desktop, *main).geometry.x() < 400; }));
    QThread::msleep(200);
    const QRect placed = windowInfo(desktop, *main).geometry;
    desktop.run("xdotool", {"windowactivate", "--sync", *main});
    const QString active = activeWindow(desktop);

    clickAt(desktop, placed.topLeft() + kPositionButton);
    // The frame's corner, in twips: the client lies inside the window manager's frame.
    EXPECT_TRUE(waitUntil([&] { return !settingsField(desktop, program, "left").isEmpty(); }));
    const int left = settingsField(desktop, program, "left").toInt();
    const int top = settingsField(desktop, program, "top").toInt();
    EXPECT_EQ(left % 15, 0);
    EXPECT_NEAR(left / 15, placed.x(), 10);
    EXPECT_NEAR(top / 15, placed.y(), 40);

    // The notice comes up over the window, on top, without taking the focus, and goes again.
    QStringList notice;
    EXPECT_TRUE(waitUntil([&] {
        notice.clear();
        for (const QString& id : viewableWindows(desktop, program)) {
            if (windowInfo(desktop, id).geometry.size() == QSize(126, 36)) {
                notice << id;
            }
        }
        return notice.size() == 1;
    }));
    if (notice.size() == 1) {
        EXPECT_TRUE(property(desktop, notice[0], "_NET_WM_STATE").contains("_NET_WM_STATE_ABOVE"));
        EXPECT_EQ(activeWindow(desktop), active);
        EXPECT_TRUE(waitUntil([&] { return viewableWindows(desktop, program).size() == 1; }, 3000));
    }

    closeWindow(desktop, *main);
    ASSERT_TRUE(program.waitForExit(5000));
    program.start();
    main = program.waitForWindow();
    ASSERT_TRUE(main) << program.standardError().toStdString();
    EXPECT_TRUE(waitUntil([&] { return windowInfo(desktop, *main).geometry == placed; }))
        << windowInfo(desktop, *main).geometry.x() << ","
        << windowInfo(desktop, *main).geometry.y();
}

TEST(FixedSizeDesktop, TypedSizeIsCheckedStoredAndLoadedAtTheNextStart) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.start();
    auto main = program.waitForWindow();
    ASSERT_TRUE(main) << program.standardError().toStdString();
    QPoint client = windowInfo(desktop, *main).geometry.topLeft();
    clickAt(desktop, client + kAreaOption);

    // "500" -> "300" and "100" -> "200", never leaving the range on the way.
    const QStringList edit{"End", "BackSpace", "Home", "3", "Delete", "End", "0"};
    clickAt(desktop, client + kWidthBox);
    keys(desktop, edit);
    clickAt(desktop, client + kHeightBox);
    QStringList editHeight = edit;
    editHeight[3] = "2";
    keys(desktop, editHeight);
    clickAt(desktop, client + kSaveSizeButton);
    EXPECT_TRUE(waitUntil([&] { return settingsField(desktop, program, "fixWidth") == "300"; }));
    EXPECT_EQ(settingsField(desktop, program, "fixHeight"), "200");

    closeWindow(desktop, *main);
    ASSERT_TRUE(program.waitForExit(5000));
    // Storing again after the restart writes what the boxes show: what they loaded.
    program.start();
    main = program.waitForWindow();
    ASSERT_TRUE(main) << program.standardError().toStdString();
    program.folder().setField("fixWidth", "999");
    program.folder().setField("fixHeight", "999");
    client = windowInfo(desktop, *main).geometry.topLeft();
    clickAt(desktop, client + kAreaOption);
    clickAt(desktop, client + kSaveSizeButton);
    EXPECT_TRUE(waitUntil([&] { return settingsField(desktop, program, "fixWidth") == "300"; }));
    EXPECT_EQ(settingsField(desktop, program, "fixHeight"), "200");

    // 5000 on a 1920-pixel-wide screen is 1920; a letter over the selected height does nothing.
    clickAt(desktop, client + kWidthBox);
    keys(desktop, {"End", "BackSpace", "BackSpace", "BackSpace", "5", "0", "0", "0"});
    clickAt(desktop, client + kHeightBox, 1, 2);
    keys(desktop, {"a"});
    clickAt(desktop, client + kSaveSizeButton);
    EXPECT_TRUE(waitUntil([&] { return settingsField(desktop, program, "fixWidth") == "1920"; }));
    EXPECT_EQ(settingsField(desktop, program, "fixHeight"), "200");
}

}  // namespace
