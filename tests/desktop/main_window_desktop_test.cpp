// The installed program on a private desktop: its main window as the window manager sees it.
#include <gtest/gtest.h>

#include <QThread>

#include "desktop/desktop_harness.h"

namespace {

TEST(MainWindowDesktop, OpensCentredWithItsSizeAndEndsWithStatusZero) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.start();
    const auto id = program.waitForWindow();
    ASSERT_TRUE(id) << program.standardError().toStdString();

    WindowInfo info = windowInfo(desktop, *id);
    EXPECT_TRUE(info.viewable);
    EXPECT_EQ(info.geometry.size(), QSize(248, 115));
    // Centred: the outer window (client plus decorations) has equal space on both sides; the
    // decorations are a few pixels, so the client's centre lies near the screen's.
    EXPECT_NEAR(info.geometry.center().x(), 960, 8);
    EXPECT_NEAR(info.geometry.center().y(), 540, 20);

    // Widening it leaves it as wide.
    desktop.run("xdotool", {"windowsize", *id, "400", "115"});
    QThread::msleep(300);
    EXPECT_EQ(windowInfo(desktop, *id).geometry.width(), 248);

    // Closing the window ends the program with status 0.
    // (Alt+F4: the window manager asks the window to close, as its close button does.)
    desktop.run("xdotool", {"windowactivate", "--sync", *id});
    desktop.run("xdotool", {"key", "alt+F4"});
    const auto code = program.waitForExit(5000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 0);
}

TEST(MainWindowDesktop, HelpButtonSinksOnePixelWhilePressed) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.start();
    const auto id = program.waitForWindow();
    ASSERT_TRUE(id);
    const QRect client = windowInfo(desktop, *id).geometry;
    // btnHelp rests at 2945, 1260 twips: 196, 84 pixels; its picture is 17 x 17.
    const QPoint button = client.topLeft() + QPoint(196, 84);
    const QImage before = desktop.screenshot().copy(QRect(button, QSize(19, 19)));

    // The right button: the press effect follows any button, and only a left click opens the
    // help window, which would then cover the button.
    desktop.run("xdotool", {"mousemove", QString::number(button.x() + 8),
                            QString::number(button.y() + 8), "mousedown", "3"});
    QThread::msleep(300);
    const QImage pressed = desktop.screenshot().copy(QRect(button, QSize(19, 19)));
    desktop.run("xdotool", {"mouseup", "3"});
    QThread::msleep(300);
    const QImage after = desktop.screenshot().copy(QRect(button, QSize(19, 19)));

    // Pressed, the picture stands one pixel right and down; released, it is back.
    EXPECT_EQ(pressed.copy(1, 1, 17, 17), before.copy(0, 0, 17, 17));
    EXPECT_NE(pressed, before);
    EXPECT_EQ(after, before);
}

TEST(MainWindowDesktop, BrokenSettingsStopTheStartWithAMessageAndStatusOne) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    program.folder().setField("optMax", "x");
    program.start();
    // The message box carries the program's name as its title.
    const auto box = program.waitForWindow("Lumacap");
    ASSERT_TRUE(box);
    desktop.run("xdotool", {"windowactivate", "--sync", *box});
    desktop.run("xdotool", {"key", "--window", *box, "Return"});
    const auto code = program.waitForExit(5000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 1);
    const QString err = program.standardError();
    EXPECT_TRUE(err.contains(program.folder().dbPath())) << err.toStdString();
    EXPECT_TRUE(err.contains("optMax")) << err.toStdString();
}

TEST(MainWindowDesktop, WithoutADisplayTheStartEndsWithAMessageAndStatusOne) {
    struct Case {
        QString display;
        QString named;
    };
    PrivateDesktop desktop;
    // No display at all, and one where no server answers.
    for (const Case& c : {Case{QString(), QStringLiteral("DISPLAY")},
                          Case{QStringLiteral(":4999"), QStringLiteral("\":4999\"")}}) {
        InstalledProgram program(desktop);
        program.setEnvironment(QStringLiteral("DISPLAY"), c.display);
        program.start();
        const auto code = program.waitForExit(5000);
        ASSERT_TRUE(code);
        EXPECT_EQ(*code, 1) << c.named.toStdString();  // not Qt's abort
        const QString err = program.standardError();
        EXPECT_TRUE(err.contains("Lumacap: não foi possível abrir a tela")) << err.toStdString();
        EXPECT_TRUE(err.contains(c.named)) << err.toStdString();
    }
    // Any other failure of Qt's start is reported the same way, with Qt's own words.
    InstalledProgram program(desktop);
    program.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nosuch"));
    program.start();
    const auto code = program.waitForExit(5000);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, 1);
    const QString err = program.standardError();
    EXPECT_TRUE(err.contains("Lumacap: o Qt não pôde iniciar o programa.\n(Qt: "))
        << err.toStdString();
}

}  // namespace
