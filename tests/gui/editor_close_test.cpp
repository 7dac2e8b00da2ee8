// Closing the editor brings back the face in use, or hides the program as the main window asks.
#include <QCheckBox>

#include "support/editor_fixture.h"
#include "toolbar/compact_toolbar.h"

namespace {

class EditorClose : public EditorTest {
protected:
    // The editor open over a hidden main window, as after a capture.
    void openOverHiddenMain(bool hide, const char* taskbar, const char* toggleMax) {
        main = mainWindow();
        main->chkHide->setChecked(hide);
        main->labels().lblTaskbar = taskbar;
        main->labels().lblToggleMax = toggleMax;
        main->labels().MeWidth = QString::number(window_metrics::widthTw(main));
        main->labels().MeHeight = QString::number(window_metrics::heightTw(main));
        main->hide();
        openAsCapture(pattern(200, 100));
        editor->history().historyLocked = false;
        editor->SaveUndoStep();
    }

    void closeEditor() {
        editor->close();
        ASSERT_TRUE(
            QTest::qWaitFor([] { return !Forms::instance().ifLoaded<LC_Form3_pic>(); }, 1000));
        editor = nullptr;
    }

    LC_Form1_Ini* main = nullptr;
    platform::ScopedService<std::function<bool()>> tray_{platform::services().trayAvailable,
                                                         [] { return true; }};
};

TEST_F(EditorClose, WithoutHidingShowsTheMainWindowFace) {
    openOverHiddenMain(false, "1", "1");
    closeEditor();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isMinimized());
    EXPECT_EQ(window_metrics::widthTw(main), LC_Form1_Ini::kWidthTw);
}

TEST_F(EditorClose, WithoutHidingOnTheCompactFaceBringsTheToolbarBack) {
    openOverHiddenMain(false, "0", "0");
    closeEditor();
    auto* bar = forms().ifLoaded<LC_Form7_mini>();
    ASSERT_TRUE(bar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(main->isVisible());
}

TEST_F(EditorClose, HidingToTheTraySendsTheMainWindowThere) {
    openOverHiddenMain(true, "0", "1");
    closeEditor();
    QTest::qWait(200);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(EditorClose, HidingToTheTaskbarShowsTheMainWindowMinimisedAfterAPause) {
    openOverHiddenMain(true, "1", "1");
    closeEditor();
    EXPECT_FALSE(main->isVisible()) << "the main window comes back only after 100 ms";
    ASSERT_TRUE(QTest::qWaitFor([this] { return main->isVisible(); }, 1000));
    EXPECT_TRUE(main->isMinimized());
}

TEST_F(EditorClose, TheNextEditorStartsWithAnEmptyHistoryInDrawingMode) {
    openOverHiddenMain(false, "0", "1");
    ASSERT_EQ(editor->history().histTop(), 1);
    editor->labels().lblDraw = "0";
    closeEditor();
    editor = Forms::instance().get<LC_Form3_pic>();
    EXPECT_EQ(editor->history().histTop(), 0);
    EXPECT_EQ(editor->history().histPos(), 0);
    EXPECT_EQ(editor->labels().lblDraw, "1");
}

TEST_F(EditorClose, EndingTheProgramDoesNotBringTheMainWindowBack) {
    openOverHiddenMain(false, "0", "1");
    main->close();
    QTest::qWait(50);
    EXPECT_FALSE(Forms::instance().ifLoaded<LC_Form3_pic>());
}

}  // namespace
