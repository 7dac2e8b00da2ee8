// Captures on a Wayland desktop (sway, headless) through its Screenshot portal: the installed
// program, the coordinate test pattern under it, everything checked pixel by pixel from the
// clipboard (wl-paste) and from the screen (grim).
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonObject>
#include <QThread>

#include "support/pattern_check.h"
#include "support/test_pattern.h"
#include "wayland/wayland_desktop.h"

// Readable failures.
void PrintTo(const QString& s, std::ostream* out) {
    *out << '"' << s.toStdString() << '"';
}

namespace {

const QSize kScreen(1920, 1080);

class WaylandCapture : public ::testing::Test {
protected:
    void SetUp() override {
        if (!WaylandDesktop::available()) {
            GTEST_SKIP() << "not on a Wayland desktop (private_desktop.sh --wayland)";
        }
    }
};

// The editor's window as grim shows it, once it shows a capture of the pattern whose top-left
// pixel came from `origin`, `size` of it; `at` is where.
QImage onEditor(WaylandDesktop& d, WaylandProgram& p, QPoint origin, QSize size,
                std::optional<QPoint>* at) {
    const auto editor = p.waitForOtherWindow();
    if (!editor) {
        return {};
    }
    QImage shown;
    waitUntil(
        [&] {
            shown = d.screenshot().copy(*editor);
            *at = findPicture(shown, origin, size);
            return at->has_value();
        },
        5000);
    return shown;
}

// The clipboard's next picture: `size`, the pattern's area from `origin` (on the first screen);
// then the main window comes back alone.
QImage expectCopy(WaylandDesktop& d, WaylandProgram& p, const QImage& previous, QPoint origin,
                  QSize size) {
    const QImage copy = d.waitForNewClipboard(previous);
    EXPECT_EQ(copy.size(), size);
    EXPECT_EQ(differenceFromPattern(copy, origin, kScreen), QString());
    EXPECT_TRUE(p.waitForMainAlone());
    return copy;
}

void closeOtherWindows(WaylandDesktop& d, WaylandProgram& p) {
    const auto main = p.mainWindow();
    for (const QJsonObject& w : p.windows()) {
        if (!main || WaylandDesktop::content(w) != *main) {
            d.sway(QStringLiteral("[con_id=%1] kill").arg(w.value(QStringLiteral("id")).toInt()));
        }
    }
    ASSERT_TRUE(p.waitForMainAlone());
}

TEST_F(WaylandCapture, ToTheClipboardExactlyAlsoWithEveryWindowHiddenAndAfterTheProgramEnds) {
    WaylandDesktop d;
    d.showPattern();
    WaylandProgram p(d);
    p.folder().setField("fixWidth", "200");
    p.folder().setField("fixHeight", "100");
    ASSERT_TRUE(p.start());
    p.chooseCopy();

    // The main window comes back, and the notice goes.
    p.chooseWholeScreen();
    p.clickCapture();
    const QImage whole = expectCopy(d, p, QImage(), {0, 0}, kScreen);

    // A drag of 100 x 50 takes the pixels one inside the press point; the overlay goes.
    p.chooseSelection();
    ASSERT_TRUE(p.markArea({300, 200}, {400, 250})) << p.describe().toStdString();
    const QImage area = expectCopy(d, p, whole, {301, 201}, {100, 50});

    // The fixed area is centred on the pointer, held inside the screen.
    p.chooseFixedArea();
    p.clickCapture();
    ASSERT_TRUE(p.waitForOverlay()) << p.describe().toStdString();
    d.pointerTo({1903, 303});
    d.click({1900, 300});
    const QImage fixed = expectCopy(d, p, area, {1721, 251}, {200, 100});

    // Escape takes nothing and brings the main window back.
    p.chooseSelection();
    p.clickCapture();
    ASSERT_TRUE(p.waitForOverlay());
    d.key(QStringLiteral("Escape"));
    ASSERT_TRUE(p.waitForMainAlone());
    EXPECT_EQ(d.clipboard(), fixed);

    // "Esconder": the program goes to the tray (swaybar's StatusNotifierItem host), every window
    // hidden, and the picture is on the clipboard all the same.
    d.run(QStringLiteral("wl-copy"), {QStringLiteral("--clear")});
    p.toggleHide();
    p.chooseWholeScreen();
    p.clickCapture();
    const QImage hidden = d.waitForNewClipboard(QImage());
    EXPECT_EQ(differenceFromPattern(hidden, {0, 0}, kScreen), QString());
    EXPECT_TRUE(waitUntil([&] { return p.windows().empty(); }));
    EXPECT_TRUE(waitUntil([&] {
        return d
            .run(QStringLiteral("gdbus"),
                 {"introspect", "--session", "-d", "org.kde.StatusNotifierWatcher", "-o",
                  "/StatusNotifierWatcher", "-p"})
            .contains("RegisteredStatusNotifierItems = ['");
    }));

    // The picture outlives the program.
    ASSERT_TRUE(p.end());
    QThread::msleep(200);
    EXPECT_EQ(d.clipboard(), hidden);
}

TEST_F(WaylandCapture, IntoTheEditorWholeScreenSelectionAndFixedArea) {
    WaylandDesktop d;
    d.showPattern();
    WaylandProgram p(d);
    p.folder().setField("fixWidth", "120");
    p.folder().setField("fixHeight", "60");
    ASSERT_TRUE(p.start());
    std::optional<QPoint> at;

    p.chooseWholeScreen();
    p.clickCapture();
    QImage shown = onEditor(d, p, {0, 0}, {300, 200}, &at);
    ASSERT_TRUE(at) << "the whole screen is not on the editor's canvas; "
                    << p.describe().toStdString();
    EXPECT_EQ(differenceFromPattern(shown.copy(QRect(*at, QSize(300, 200))), {0, 0}, kScreen),
              QString());
    closeOtherWindows(d, p);

    // Towards the top left: the corners are put in order.
    p.chooseSelection();
    ASSERT_TRUE(p.markArea({500, 400}, {380, 330})) << p.describe().toStdString();
    shown = onEditor(d, p, {381, 331}, {120, 70}, &at);
    ASSERT_TRUE(at) << "the selection is not on the editor's canvas; "
                    << p.describe().toStdString();
    EXPECT_EQ(differenceFromPattern(shown.copy(QRect(*at, QSize(120, 70))), {381, 331}, kScreen),
              QString());
    closeOtherWindows(d, p);

    p.chooseFixedArea();
    p.clickCapture();
    ASSERT_TRUE(p.waitForOverlay()) << p.describe().toStdString();
    d.click({1000, 700});
    shown = onEditor(d, p, {941, 671}, {120, 60}, &at);
    ASSERT_TRUE(at) << "the fixed area is not on the editor's canvas; "
                    << p.describe().toStdString();
    EXPECT_EQ(differenceFromPattern(shown.copy(QRect(*at, QSize(120, 60))), {941, 671}, kScreen),
              QString());
    closeOtherWindows(d, p);
}

TEST_F(WaylandCapture, WithoutAPortalAMessageSaysSoAndNothingIsCaptured) {
    WaylandDesktop d;
    // A session bus on which no portal can be started.
    QTemporaryDir bus;
    const QString config = bus.filePath(QStringLiteral("bus.conf"));
    QFile f(config);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                           "<auth>EXTERNAL</auth><policy context=\"default\">"
                           "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                           "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                .arg(bus.path())
                .toUtf8());
    f.close();
    d.giveToUser(bus.path());
    QProcess* daemon =
        d.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--config-file=") + config, "--nofork", "--print-address"});
    ASSERT_TRUE(daemon->waitForReadyRead(5000));
    const QString address = QString::fromUtf8(daemon->readLine()).trimmed();

    WaylandProgram p(d);
    p.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    ASSERT_TRUE(p.start({QStringLiteral("--tray")}) || p.windows().empty());
    d.run(QStringLiteral("wl-copy"), {QStringLiteral("--clear")});
    const WaylandProgram::Run run =
        p.runAgain({QStringLiteral("--capture=selection"), QStringLiteral("--output=shot.png")});
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("não oferece o portal de captura de tela")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(p.home() + QStringLiteral("/shot.png")));
    // The message is on the screen, and nothing on the clipboard.
    EXPECT_TRUE(p.waitForOtherWindow());
    EXPECT_TRUE(d.clipboard().isNull());
    EXPECT_FALSE(p.waitForOverlay(300));
}

}  // namespace
