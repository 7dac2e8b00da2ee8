// The capture pipeline in this process, with the screen, the compositor test, the pointer and
// the clipboard replaced by fakes: which pixels end up on the clipboard, and what the user sees.
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <vector>

#include "capture/lc_form2_cap.h"
#include "capture/overlay_look.h"
#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "support/program_fixture.h"
#include "support/test_pattern.h"
#include "toolbar/compact_toolbar.h"
#include "ui/notice_window.h"
#include "ui/picture_button.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

namespace {

using GrabFn = decltype(platform::Services::grabDesktop);
using BoolFn = decltype(platform::Services::compositorActive);
using PointFn = decltype(platform::Services::cursorPos);
using ClipFn = decltype(platform::Services::putImageOnClipboard);

class Capture : public ProgramTest {
protected:
    Capture()
        : screen_(QGuiApplication::primaryScreen()->geometry().size()),
          pattern_(test_pattern::make(screen_)),
          grabGuard_(platform::services().grabDesktop, [this](const QRect& r) { return grab(r); }),
          compositorGuard_(platform::services().compositorActive, [this] { return compositor; }),
          cursorGuard_(platform::services().cursorPos, [this] { return cursor; }),
          clipGuard_(platform::services().putImageOnClipboard,
                     [this](const QImage& image, QString* error) {
                         if (refuseClipboard) {
                             *error = QStringLiteral("recusado");
                             return false;
                         }
                         clipboard.push_back(image);
                         return true;
                     }) {}

    void SetUp() override {
        ASSERT_EQ(start(), 0);
        main = mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    // The screen as a compositor shows it: the overlay's tint while the overlay is up, and for
    // while `overlayLingers` after it has been hidden.
    QImage grab(const QRect& r) {
        ++grabs;
        if (r.size() == screen_) {
            fullGrabsWithMainShown += main && main->isVisible() ? 1 : 0;
        }
        if (failGrab) {
            return {};
        }
        if (blackScreen) {  // as XWayland answers
            QImage black(r.size(), QImage::Format_RGB32);
            black.fill(Qt::black);
            return black;
        }
        LC_Form2_cap* o = overlay();
        const bool tinted = compositor && o && (o->isVisible() || overlayLingers);
        QImage part = pattern_.copy(r);
        if (main && main->isVisible()) {  // the main window on the screen, grey with a line
            QPainter p(&part);
            const QRect frame = main->frameGeometry().translated(-r.topLeft());
            p.fillRect(frame, Qt::gray);
            p.fillRect(frame.left() + 4, frame.top() + 4, 20, 1, Qt::black);
        }
        return tinted ? overlay_look::darkened(part, 76) : part;
    }

    LC_Form2_cap* overlay() { return forms().ifLoaded<LC_Form2_cap>(); }

    LC_Form2_cap* startAreaCapture() {
        QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
        const bool shown =
            QTest::qWaitFor([&] { return overlay() && overlay()->isVisible(); }, 3000);
        return shown ? overlay() : nullptr;
    }

    void drag(LC_Form2_cap* o, QPoint from, QPoint to) {
        QTest::mousePress(o, Qt::LeftButton, {}, from);
        QTest::mouseMove(o, (from + to) / 2);
        QTest::mouseMove(o, to);
        QTest::mouseRelease(o, Qt::LeftButton, {}, to);
    }

    bool waitForClipboard(size_t count) {
        return QTest::qWaitFor([&] { return clipboard.size() >= count; }, 4000);
    }

    bool waitForOverlayGone() {
        return QTest::qWaitFor([&] { return overlay() == nullptr; }, 3000);
    }

    LC_Form8_aviso* notice() { return forms().ifLoaded<LC_Form8_aviso>(); }

    QPoint mainTopLeftPx() const { return main->pos(); }

    bool compositor = false;
    bool overlayLingers = false;
    bool failGrab = false;
    bool blackScreen = false;
    bool refuseClipboard = false;
    QPoint cursor{500, 400};
    int grabs = 0;
    int fullGrabsWithMainShown = 0;
    std::vector<QImage> clipboard;
    LC_Form1_Ini* main = nullptr;

    QSize screen_;
    QImage pattern_;

private:
    platform::ScopedService<GrabFn> grabGuard_;
    platform::ScopedService<BoolFn> compositorGuard_;
    platform::ScopedService<PointFn> cursorGuard_;
    platform::ScopedService<ClipFn> clipGuard_;
};

TEST_F(Capture, ModeAndActionControls) {
    EXPECT_EQ(main->Frame2->y(), units::px(4320));
    main->OptCapture1->click();
    EXPECT_EQ(main->Frame2->y(), units::px(1000));
    main->OptCapture2->click();
    EXPECT_EQ(main->Frame2->y(), units::px(4320));
    main->OptCapture1->click();
    main->OptCapture0->click();
    EXPECT_EQ(main->Frame2->y(), units::px(4320));

    main->OptAction1->click();
    EXPECT_EQ(main->labels().lblCopy, "1");
    main->OptAction0->click();
    EXPECT_EQ(main->labels().lblCopy, "0");

    const QColor grey = main->chkHide->palette().color(QPalette::WindowText);
    main->chkHide->click();
    const QColor ticked = main->chkHide->palette().color(QPalette::WindowText);
    EXPECT_NE(ticked, grey);
    EXPECT_EQ(ticked, main->palette().color(QPalette::ButtonText));
    main->chkHide->setFocus();
    main->chkHide->click();
    EXPECT_EQ(main->chkHide->palette().color(QPalette::WindowText), grey);
    EXPECT_EQ(main->focusWidget(), main->SoftIcon);
}

TEST_F(Capture, OverlayCoversTheScreenAt30PercentAndHidesTheMainWindow) {
    compositor = true;
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    EXPECT_EQ(o->objectName(), "LC_Form2_cap");
    EXPECT_EQ(o->geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_NEAR(o->windowOpacity(), 76 / 255.0, 1e-9);
    ASSERT_TRUE(o->windowHandle());
    EXPECT_NEAR(o->windowHandle()->opacity(), 76 / 255.0, 1e-9);
    EXPECT_TRUE(o->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(o->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(o->cursor().shape(), Qt::CrossCursor);
    EXPECT_FALSE(o->windowIcon().isNull());
    EXPECT_EQ(o->TimerMensagem->interval(), 2500);
    EXPECT_TRUE(o->TimerMensagem->isActive());

    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(main->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(main->labels().MeWidth, QString::number(window_metrics::widthTw(main)));
    EXPECT_EQ(main->labels().MeHeight, QString::number(window_metrics::heightTw(main)));
    // Live desktop: the overlay paints black and lets the compositor blend it.
    EXPECT_EQ(o->grab().toImage().pixel(700, 600), qRgb(0, 0, 0));
}

TEST_F(Capture, DragsInEveryDirectionGiveTheSameStraightCopy) {
    main->OptAction1->click();
    const QImage expected = pattern_.copy(301, 201, 100, 50);
    const std::vector<std::pair<QPoint, QPoint>> drags{
        {{300, 200}, {400, 250}},  // right and down
        {{400, 250}, {300, 200}},  // left and up
        {{400, 200}, {300, 250}},  // left and down
        {{300, 250}, {400, 200}},  // right and up
    };
    for (size_t i = 0; i < drags.size(); ++i) {
        LC_Form2_cap* o = startAreaCapture();
        ASSERT_TRUE(o) << i;
        drag(o, drags[i].first, drags[i].second);
        EXPECT_EQ(o->corners().lblX1, QString::number(drags[i].first.x() * 15));
        EXPECT_EQ(o->corners().lblY2, QString::number(drags[i].second.y() * 15));
        ASSERT_TRUE(waitForClipboard(i + 1)) << i;
        EXPECT_EQ(clipboard[i], expected) << "drag " << i;
        ASSERT_TRUE(waitForOverlayGone());
        ASSERT_TRUE(QTest::qWaitFor([&] { return main->isVisible(); }, 2000));
    }
    EXPECT_EQ(beeps, 4);
}

TEST_F(Capture, WithoutCompositorTheOverlayShowsTheScreenTakenAfterTheWindowsLeft) {
    main->OptAction1->click();
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    EXPECT_EQ(fullGrabsWithMainShown, 0);
    // 70 percent of the screen shows through, as a compositor would blend 30 percent black.
    const QImage look = o->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QPoint p : {QPoint(700, 600), QPoint(1234, 77), QPoint(5, 1000)}) {
        const QRgb want = pattern_.pixel(p);
        const QRgb got = look.pixel(p);
        EXPECT_NEAR(qRed(got), qRed(want) * 0.702, 1.0);
        EXPECT_NEAR(qGreen(got), qGreen(want) * 0.702, 1.0);
        EXPECT_NEAR(qBlue(got), qBlue(want) * 0.702, 1.0);
    }
    const int grabsBefore = grabs;
    drag(o, {1000, 500}, {1100, 560});
    ASSERT_TRUE(waitForClipboard(1));
    EXPECT_EQ(clipboard[0], pattern_.copy(1001, 501, 100, 60));
    EXPECT_EQ(grabs, grabsBefore);  // copied from the still picture, not from the screen
}

TEST_F(Capture, WithCompositorTheCaptureWaitsUntilTheScreenNoLongerShowsTheOverlay) {
    compositor = true;
    main->OptAction1->click();
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    // The compositor draws its first frame without the overlay a while after it was hidden, and
    // says so; until then the screen shows the tint.
    QList<QWidget*> waitedFor;
    using GoneFn = decltype(platform::Services::windowsGone);
    platform::ScopedService<GoneFn> gone(
        platform::services().windowsGone,
        [&](QObject* context, const QList<QWidget*>& windows, int,
            const std::function<void()>& leave, std::function<void()> done) {
            waitedFor = windows;
            leave();
            overlayLingers = true;
            QTimer::singleShot(80, context, [this, done] {
                overlayLingers = false;
                done();
            });
        });
    drag(o, {600, 300}, {760, 420});
    ASSERT_TRUE(waitForClipboard(1));
    EXPECT_EQ(clipboard[0], pattern_.copy(601, 301, 160, 120));
    EXPECT_TRUE(waitedFor.contains(o));
}

TEST_F(Capture, FixedAreaFollowsThePointerAndStopsAtTheEdges) {
    dir.setField("fixWidth", "200");
    dir.setField("fixHeight", "100");
    forms().destroyAll();
    ASSERT_EQ(start(), 0);
    main = mainWindow();
    main->OptCapture1->click();
    main->OptAction1->click();
    struct Case {
        QPoint pointer;
        QPoint frameTopLeft;
    };
    const std::vector<Case> cases{
        {{500, 400}, {400, 350}},
        {{20, 10}, {0, 0}},
        {{screen_.width() - 3, screen_.height() - 1},
         {screen_.width() - 200, screen_.height() - 100}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        cursor = QPoint(700, 700);
        LC_Form2_cap* o = startAreaCapture();
        ASSERT_TRUE(o);
        cursor = cases[i].pointer;
        QTest::mouseMove(o, cursor);
        ASSERT_TRUE(o->frame());
        EXPECT_EQ(*o->frame(), QRect(cases[i].frameTopLeft, QSize(200, 100))) << i;
        EXPECT_EQ(o->corners().lblIniX, QString::number(cases[i].frameTopLeft.x() * 15));
        EXPECT_EQ(o->corners().lblFimY, QString::number((cases[i].frameTopLeft.y() + 100) * 15));
        QTest::mouseClick(o, Qt::LeftButton, {}, cursor);
        ASSERT_TRUE(waitForClipboard(i + 1));
        // One pixel right of and below the frame's corner; past the screen's edge it is black.
        const QImage want = [&] {
            QImage img(200, 100, QImage::Format_RGB32);
            img.fill(Qt::black);
            const QRect src(cases[i].frameTopLeft + QPoint(1, 1), QSize(200, 100));
            const QRect inside = src.intersected(pattern_.rect());
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    img.setPixel(x - src.left(), y - src.top(), pattern_.pixel(x, y));
                }
            }
            return img;
        }();
        EXPECT_EQ(clipboard[i], want) << i;
        ASSERT_TRUE(waitForOverlayGone());
    }
}

TEST_F(Capture, FixedAreaOfFivePixelsIsTen) {
    main->OptCapture1->click();
    main->txtWidth->setText("5");
    main->txtHeight->setText("5");
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    ASSERT_TRUE(o->frame());
    EXPECT_EQ(o->frame()->size(), QSize(10, 10));
    EXPECT_EQ(o->frame()->topLeft(), QPoint(495, 395));
}

TEST_F(Capture, AClickWithoutADragOrEscapeCapturesNothing) {
    main->OptAction1->click();
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(300, 300));
    ASSERT_TRUE(waitForOverlayGone());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(main));

    o = startAreaCapture();
    ASSERT_TRUE(o);
    QTest::mousePress(o, Qt::LeftButton, {}, QPoint(300, 300));
    QTest::mouseMove(o, QPoint(350, 350));
    QTest::keyClick(o, Qt::Key_Escape);
    ASSERT_TRUE(waitForOverlayGone());
    EXPECT_TRUE(main->isVisible());

    QTest::qWait(400);
    EXPECT_TRUE(clipboard.empty());
    EXPECT_EQ(beeps, 0);
    EXPECT_FALSE(notice());
}

TEST_F(Capture, AreaCopyNoticeBesideTheMainWindowOrCentredAfterHiding) {
    main->OptAction1->click();
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    drag(o, {300, 200}, {400, 250});
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice() != nullptr; }, 3000));
    EXPECT_EQ(notice()->lblAviso->text(), "Área copiada!");
    EXPECT_EQ(notice()->pos(), mainTopLeftPx() + QPoint(64, 51));
    EXPECT_FALSE(notice()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(beeps, 1);

    main->chkHide->click();
    o = startAreaCapture();
    ASSERT_TRUE(o);
    EXPECT_FALSE(notice());  // the last notice is not left on the screen to be captured
    drag(o, {300, 200}, {400, 250});
    ASSERT_TRUE(waitForClipboard(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice() && notice()->isVisible(); }, 3000));
    EXPECT_EQ(notice()->pos(), QPoint(units::px((screen_.width() * 15 - 1890) / 2),
                                      units::px((screen_.height() * 15 - 540) / 2)));
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(beeps, 2);
}

TEST_F(Capture, WholeScreenCopyHoldsTheWholeScreen) {
    main->OptCapture2->click();
    main->OptAction1->click();
    QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(overlay());
    ASSERT_TRUE(waitForClipboard(1));
    EXPECT_EQ(clipboard[0].size(), screen_);
    EXPECT_EQ(clipboard[0], pattern_);
    EXPECT_EQ(fullGrabsWithMainShown, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice() != nullptr; }, 2000));
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(notice()->lblAviso->text(), "Tela copiada!");
    EXPECT_EQ(notice()->pos(), mainTopLeftPx() + QPoint(64, 51));
    EXPECT_TRUE(notice()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(notice()->TimerAviso->interval(), 1000);
    EXPECT_EQ(beeps, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice() == nullptr; }, 2000));

    main->chkHide->click();
    QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
    ASSERT_TRUE(waitForClipboard(2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice() && notice()->isVisible(); }, 2000));
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(notice()->pos(), QPoint(units::px((screen_.width() * 15 - 1890) / 2),
                                      units::px((screen_.height() * 15 - 540) / 2)));
    EXPECT_FALSE(notice()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(beeps, 2);
}

TEST_F(Capture, FailuresAreReportedAndTheMainWindowComesBack) {
    main->OptAction1->click();
    refuseClipboard = true;
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    drag(o, {300, 200}, {400, 250});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, 3000));
    EXPECT_TRUE(messages.last().contains("não foi copiada para a área de transferência"))
        << messages.last().toStdString();
    EXPECT_TRUE(messages.last().contains("recusado"));
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(notice());
    EXPECT_EQ(beeps, 0);

    refuseClipboard = false;
    failGrab = true;
    main->OptCapture2->click();
    QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 2; }, 3000));
    EXPECT_TRUE(messages.last().contains("Não foi possível capturar a tela"));
    EXPECT_TRUE(main->isVisible());

    main->OptCapture0->click();
    QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 3; }, 3000));
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(waitForOverlayGone());
    EXPECT_TRUE(clipboard.empty());
}

TEST_F(Capture, AScreenThatGivesOnlyBlackIsReportedAndNothingIsDelivered) {
    main->OptAction1->click();
    blackScreen = true;
    // Even the main window comes back black: no overlay, no picture, whatever the mode.
    for (const bool live : {false, true}) {
        compositor = live;
        QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, 3000)) << live;
        EXPECT_TRUE(messages.takeLast().contains("toda de uma só cor")) << live;
        EXPECT_TRUE(waitForOverlayGone());
        EXPECT_TRUE(main->isVisible());
    }
    main->OptCapture2->click();
    QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, 3000));
    EXPECT_TRUE(messages.takeLast().contains("toda de uma só cor"));
    EXPECT_TRUE(main->isVisible());

    // A black area framed on a screen that shows more is a capture like any other.
    blackScreen = false;
    main->OptCapture0->click();
    pattern_.fill(Qt::black);
    pattern_.setPixel(1500, 900, qRgb(9, 9, 9));
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    drag(o, {300, 200}, {400, 250});
    ASSERT_TRUE(waitForClipboard(1));
    EXPECT_EQ(clipboard[0].pixel(50, 20), qRgb(0, 0, 0));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(clipboard.size(), 1u);
}

TEST_F(Capture, AWaylandSessionIsToldThatItCannotBeCapturedHere) {
    const QByteArray before = qgetenv("XDG_SESSION_TYPE");
    qputenv("XDG_SESSION_TYPE", "wayland");
    main->OptAction1->click();
    for (QRadioButton* mode : {main->OptCapture0, main->OptCapture1, main->OptCapture2}) {
        mode->click();
        QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1) << mode->objectName().toStdString();
        EXPECT_EQ(messages.takeLast(),
                  "Lumacap|Esta é uma sessão Wayland, mas o Lumacap roda nela como programa X11 "
                  "(XWayland), que não consegue capturar a tela (o sistema entregaria uma imagem "
                  "preta). Instale o suporte do Qt a Wayland (pacote qt6-wayland) e não force "
                  "QT_QPA_PLATFORM=xcb: o Lumacap então captura pelo portal da área de trabalho. "
                  "Nada foi capturado.");
        EXPECT_FALSE(overlay());
        EXPECT_TRUE(main->isVisible());
    }
    qputenv("XDG_SESSION_TYPE", before);
    QTest::qWait(400);
    EXPECT_EQ(grabs, 0);
    EXPECT_TRUE(clipboard.empty());
}

TEST_F(Capture, OverlayTimerKeepsTheMainNoticeLabelEmpty) {
    compositor = true;
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    main->lblMensagem->setText("x");
    main->chkHide->setVisible(false);
    main->TimerMensagem->start();
    main->TimerMensagem->setInterval(60000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->lblMensagem->text().isEmpty(); }, 3500));
    EXPECT_FALSE(main->chkHide->isHidden());
    EXPECT_FALSE(main->TimerMensagem->isActive());
    EXPECT_TRUE(o->TimerMensagem->isActive());
}

TEST_F(Capture, AreaEditOpensTheEditorWithTheCaptureAndTheMainWindowStaysHidden) {
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    drag(o, {400, 250}, {300, 200});  // towards the left and up
    LC_Form3_pic* editor = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            editor = forms().ifLoaded<LC_Form3_pic>();
            return editor && editor->isVisible();
        },
        3000));
    EXPECT_EQ(editor->canvasImage(), pattern_.copy(301, 201, 100, 50));
    // 100 pixels wide: 100 x 15 + 60 + 190 is less than 4000, so the editor is 4000 wide.
    EXPECT_EQ(editor->width(), units::px(4000 - window_metrics::frameWidthTw(editor)));
    EXPECT_EQ(editor->labels().lblMeHeight, "2050");
    EXPECT_EQ(editor->labels().lblMeHeightIni, "2050");
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(clipboard.empty());
    EXPECT_EQ(beeps, 0);

    // Reset paints the capture back after an edit.
    editor->PicDrawBox->image().fill(Qt::red);
    editor->btnReset_Click();
    EXPECT_EQ(editor->canvasImage(), pattern_.copy(301, 201, 100, 50));

    editor->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->isVisible(); }, 2000));
    EXPECT_FALSE(forms().ifLoaded<LC_Form3_pic>());
}

TEST_F(Capture, WholeScreenEditHoldsTheWholeScreenAndKeepsItForReset) {
    main->OptCapture2->click();
    QTest::mouseClick(main->BtnCapture, Qt::LeftButton);
    LC_Form3_pic* editor = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            editor = forms().ifLoaded<LC_Form3_pic>();
            return editor && editor->isVisible();
        },
        3000));
    EXPECT_EQ(editor->canvasImage().size(), screen_);
    EXPECT_EQ(editor->canvasImage(), pattern_);
    EXPECT_EQ(editor->PicDrawBox->widthTw(), units::tw(screen_.width()) + 60);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(fullGrabsWithMainShown, 0);

    editor->PicDrawBox->image().fill(Qt::red);
    editor->btnReset_Click();
    EXPECT_EQ(editor->canvasImage(), pattern_);
}

TEST_F(Capture, ACaptureWhileTheEditorIsOpenHidesItAndRefillsIt) {
    LC_Form2_cap* o = startAreaCapture();
    ASSERT_TRUE(o);
    drag(o, {300, 200}, {400, 250});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return forms().ifLoaded<LC_Form3_pic>() &&
                   forms().ifLoaded<LC_Form3_pic>()->isVisible();
        },
        3000));
    LC_Form3_pic* editor = forms().ifLoaded<LC_Form3_pic>();

    main->FunctionCapture();  // as the compact toolbar does
    o = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlay() && overlay()->isVisible(); }, 3000));
    EXPECT_FALSE(editor->isVisible());
    drag(overlay(), {10, 20}, {70, 60});
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->isVisible(); }, 3000));
    EXPECT_EQ(forms().ifLoaded<LC_Form3_pic>(), editor);
    EXPECT_EQ(editor->canvasImage(), pattern_.copy(11, 21, 60, 40));
}

TEST_F(Capture, FromTheCompactToolbarTheCopyIsConfirmedBesideIt) {
    main->OptAction1->click();
    QTest::mouseClick(main->btnMini, Qt::LeftButton);
    auto* toolbar = forms().ifLoaded<LC_Form7_mini>();
    ASSERT_TRUE(toolbar);
    ASSERT_TRUE(QTest::qWaitFor([&] { return toolbar->isVisible() && !main->isVisible(); }, 2000));

    QTest::mouseClick(toolbar->btnCap, Qt::LeftButton);
    EXPECT_FALSE(toolbar->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlay() && overlay()->isVisible(); }, 3000));
    EXPECT_EQ(fullGrabsWithMainShown, 0);
    drag(overlay(), {300, 200}, {400, 250});
    ASSERT_TRUE(waitForClipboard(1));
    EXPECT_EQ(clipboard[0], pattern_.copy(301, 201, 100, 50));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice() != nullptr; }, 2000));
    EXPECT_TRUE(toolbar->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(notice()->lblAviso->text(), "Área copiada!");
    EXPECT_EQ(notice()->pos(), toolbar->pos() + QPoint(-35, -4));  // 525 and 55 twips, rounded
    EXPECT_EQ(beeps, 1);

    // Even with the whole-screen mode chosen the bar's button brings up the overlay; a click
    // there captures nothing and brings back the face in use, the bar, alone.
    main->OptCapture2->click();
    QTest::mouseClick(toolbar->btnCap, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlay() && overlay()->isVisible(); }, 3000));
    QTest::mouseClick(overlay(), Qt::LeftButton, {}, QPoint(300, 300));
    ASSERT_TRUE(waitForOverlayGone());
    EXPECT_TRUE(toolbar->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(clipboard.size(), 1u);
}

}  // namespace
