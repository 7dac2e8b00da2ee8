// The compact toolbar and the options window of the installed program, driven from outside.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "desktop/desktop_harness.h"

namespace {

void click(const PrivateDesktop& desktop, QPoint at) {
    desktop.run("xdotool",
                {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

bool onTop(const PrivateDesktop& desktop, const QString& id) {
    return desktop.run("xprop", {"-id", id, "_NET_WM_STATE"}).contains("_NET_WM_STATE_ABOVE");
}

TEST(ToolbarDesktop, MiniButtonSwapsTheFacesAndTopButtonTogglesAbove) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.start();
    const auto mainId = program.waitForWindow();
    ASSERT_TRUE(mainId);
    const QRect client = windowInfo(desktop, *mainId).geometry;

    QElapsedTimer clock;
    clock.start();
    click(desktop, client.topLeft() + QPoint(116 + 8, 84 + 8));  // btnMini
    ASSERT_TRUE(waitUntil([&] { return !windowInfo(desktop, *mainId).viewable; }, 2000));
    EXPECT_LT(clock.elapsed(), 1500);  // 250 ms after the toolbar loaded, plus the tools' time
    const auto barId = program.waitForWindow();
    ASSERT_TRUE(barId);
    ASSERT_NE(*barId, *mainId);
    const QRect bar = windowInfo(desktop, *barId).geometry;
    EXPECT_EQ(bar.size(), QSize(60, 31));
    EXPECT_NEAR(bar.center().x(), 960, 2);

    EXPECT_FALSE(onTop(desktop, *barId));
    click(desktop, bar.topLeft() + QPoint(31 + 5, 4 + 5));  // btnTop
    EXPECT_TRUE(waitUntil([&] { return onTop(desktop, *barId); }, 2000));
    // The bar keeps its window (and its place) while its layering changes.
    EXPECT_EQ(windowInfo(desktop, *barId).geometry, bar);
    click(desktop, bar.topLeft() + QPoint(31 + 5, 4 + 5));
    EXPECT_TRUE(waitUntil([&] { return !onTop(desktop, *barId); }, 2000));
}

TEST(ToolbarDesktop, CompactStartShowsTheToolbarOnly) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.folder().setField("optMax", "0");
    program.start();
    const auto barId = program.waitForWindow();
    ASSERT_TRUE(barId);
    EXPECT_EQ(windowInfo(desktop, *barId).geometry.size(), QSize(60, 31));
    QThread::msleep(500);
    int visible = 0;
    for (const QString& id : program.windows()) {
        const WindowInfo info = windowInfo(desktop, id);
        visible += info.viewable && info.geometry.width() > 1 ? 1 : 0;
    }
    EXPECT_EQ(visible, 1);
}

TEST(OptionsDesktop, OkWritesTheRowAndTheShortcutEntries) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop, "Meus Programas");
    program.start();
    const auto mainId = program.waitForWindow();
    ASSERT_TRUE(mainId);
    click(desktop, windowInfo(desktop, *mainId).geometry.topLeft() + QPoint(176 + 8, 84 + 8));
    ASSERT_TRUE(waitUntil([&] { return !windowInfo(desktop, *mainId).viewable; }, 2000));
    const auto optionsId = program.waitForWindow();
    ASSERT_TRUE(optionsId);
    const QRect options = windowInfo(desktop, *optionsId).geometry;
    EXPECT_EQ(options.size(), QSize(248, 207));

    click(desktop, options.topLeft() + QPoint(18 + 8, 124 + 16 + 9));  // chkDesktop
    click(desktop, options.topLeft() + QPoint(18 + 8, 124 + 33 + 9));  // chkWindows
    click(desktop, options.topLeft() + QPoint(16 + 8, 183 + 9));       // chkRemake
    click(desktop, options.topLeft() + QPoint(120 + 18, 4 + 16 + 9));  // optMini
    click(desktop, options.topLeft() + QPoint(203, 192));              // Ok

    const QString sep = QString(QChar(31));
    ASSERT_TRUE(waitUntil([&] { return program.folder().field("optMax") == "0"; }, 3000));
    EXPECT_EQ(program.folder().field("atalhos"), "1" + sep + "0" + sep + "1");
    const QString exec = "Exec=\"" + program.folder().path() + "/Lumacap\"";
    const QString icon = "Icon=" + program.folder().path() + "/img/shortcut-icon.ico";
    for (const QString& file : {program.home() + "/Desktop/Lumacap.desktop",
                                program.home() + "/.config/autostart/Lumacap.desktop"}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        const QString text = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(text.contains(exec)) << text.toStdString();
        EXPECT_TRUE(text.contains(icon)) << text.toStdString();
    }
    EXPECT_FALSE(QFile::exists(program.home() + "/.local/share/applications/Lumacap.desktop"));
    EXPECT_TRUE(QFile::exists(program.folder().path() + "/img/shortcut-icon.ico"));
    EXPECT_TRUE(waitUntil([&] { return windowInfo(desktop, *mainId).viewable; }, 2000));
}

}  // namespace
