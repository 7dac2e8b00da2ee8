// Captures where the desktop takes the picture (a Wayland session), in this process: the
// portal replaced by a fake that hands over the coordinate pattern, or fails.
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "capture/lc_form2_cap.h"
#include "capture/overlay_pane.h"
#include "support/program_fixture.h"
#include "support/test_pattern.h"
#include "ui/picture_button.h"

namespace {

using BoolFn = decltype(platform::Services::capturesThroughPortal);
using ShotFn = decltype(platform::Services::takeDesktopShot);
using ClipFn = decltype(platform::Services::putImageOnClipboard);

class FrozenOverlay : public ProgramTest {
protected:
    FrozenOverlay()
        : screen_(QGuiApplication::primaryScreen()->geometry()),
          portalGuard_(platform::services().capturesThroughPortal, [] { return true; }),
          shotGuard_(
              platform::services().takeDesktopShot,
              [this](QObject* context, std::function<void(const platform::DesktopShot&)> done) {
                  ++shots;
                  const QWindowList windows = QGuiApplication::topLevelWindows();
                  windowsShownAtShot =
                      std::count_if(windows.begin(), windows.end(),
                                    [](const QWindow* w) { return w->isVisible(); });
                  // The portal answers later, as a D-Bus signal would.
                  QTimer::singleShot(20, context, [this, done] {
                      done(failure.isEmpty()
                               ? platform::DesktopShot{test_pattern::make(screen_.size()),
                                                       screen_,
                                                       {}}
                               : platform::DesktopShot{{}, {}, failure});
                  });
              }),
          clipGuard_(platform::services().putImageOnClipboard,
                     [this](const QImage& image, QString*) {
                         clipboard.push_back(image);
                         return true;
                     }) {}

    void SetUp() override {
        ASSERT_EQ(start(), 0);
        main = mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        main->OptAction1->click();  // Copiar
    }

    LC_Form2_cap* overlay() { return forms().ifLoaded<LC_Form2_cap>(); }

    LC_Form2_cap* shownOverlay() {
        QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
        const bool shown =
            QTest::qWaitFor([&] { return overlay() && overlay()->isVisible(); }, 3000);
        return shown ? overlay() : nullptr;
    }

    bool mainBack() {
        return QTest::qWaitFor([&] { return !overlay() && main->isVisible(); }, 3000);
    }

    QRect screen_;
    LC_Form1_Ini* main = nullptr;
    int shots = 0;
    qsizetype windowsShownAtShot = -1;
    QString failure;
    std::vector<QImage> clipboard;

private:
    platform::ScopedService<BoolFn> portalGuard_;
    platform::ScopedService<ShotFn> shotGuard_;
    platform::ScopedService<ClipFn> clipGuard_;
};

TEST_F(FrozenOverlay, TheAreaIsMarkedFullScreenOnThePictureTakenOnceTheWindowsWereGone) {
    LC_Form2_cap* o = shownOverlay();
    ASSERT_TRUE(o);
    EXPECT_EQ(shots, 1);
    EXPECT_EQ(windowsShownAtShot, 0);  // nothing of the program in the picture
    EXPECT_TRUE(o->windowState().testFlag(Qt::WindowFullScreen));
    for (const OverlayPane* pane : o->findChildren<OverlayPane*>()) {
        EXPECT_TRUE(pane->windowState().testFlag(Qt::WindowFullScreen));
    }
    QTest::mousePress(o, Qt::LeftButton, {}, {300, 200});
    QTest::mouseMove(o, {350, 220});
    QTest::mouseRelease(o, Qt::LeftButton, {}, {400, 250});
    ASSERT_TRUE(QTest::qWaitFor([&] { return clipboard.size() == 1; }, 3000));
    // Device pixels one for one, one inside the press point (the test screen is at density 1).
    EXPECT_EQ(clipboard[0], test_pattern::make(screen_.size()).copy(301, 201, 100, 50));
    EXPECT_TRUE(mainBack());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(FrozenOverlay, EscapeTakesNothingAndTheWholeScreenIsCutFromThePicture) {
    LC_Form2_cap* o = shownOverlay();
    ASSERT_TRUE(o);
    QTest::keyClick(o, Qt::Key_Escape);
    EXPECT_TRUE(mainBack());
    EXPECT_TRUE(clipboard.empty());

    main->OptCapture2->click();  // Tela
    QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return clipboard.size() == 1; }, 3000));
    EXPECT_EQ(windowsShownAtShot, 0);
    EXPECT_EQ(clipboard[0], test_pattern::make(screen_.size()));
    EXPECT_TRUE(mainBack());
}

TEST_F(FrozenOverlay, WhenThePortalFailsAMessageSaysWhyAndNothingIsShownOrCopied) {
    failure = QStringLiteral("o portal de captura de tela falhou: resposta 2 do portal");
    for (QRadioButton* mode : {main->OptCapture0, main->OptCapture2}) {
        mode->click();
        QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, 3000));
        EXPECT_EQ(messages.takeFirst(),
                  "Lumacap|Não foi possível capturar a tela: o portal de captura de tela "
                  "falhou: resposta 2 do portal.");
        EXPECT_TRUE(mainBack());
    }
    EXPECT_TRUE(clipboard.empty());
}

TEST_F(FrozenOverlay, APositionCannotBeStoredWhereTheDesktopPlacesTheWindows) {
    const QString before = dir.field(QStringLiteral("left"));
    QTest::mouseClick(main->btnPosition, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("a posição não foi gravada")));
    EXPECT_EQ(dir.field(QStringLiteral("left")), before);
    EXPECT_EQ(beeps, 0);
}

}  // namespace
