#pragma once

#include <QImage>
#include <QTest>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "support/program_fixture.h"
#include "ui/picture_button.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

// The program started, with the editor loaded (hidden) and ways to put a picture in it as a
// capture does.
class EditorTest : public ProgramTest {
protected:
    void SetUp() override {
        ASSERT_EQ(start(), 0);
        editor = Forms::instance().get<LC_Form3_pic>();
        ASSERT_TRUE(editor);
    }

    // The picture as an area capture leaves the editor: the window sized from the picture.
    void openAsCapture(const QImage& picture) {
        editor->putCapture(picture, true);
        const int w = picture.width() * 15, h = picture.height() * 15;
        EditorPlacement p{w + 60 + 100, h + 60 + 2530, w + 760, h + 1300, h + 1300};
        if (w + 60 + 190 < 4000) {
            p.windowWidthTw = 4000;
        }
        place(p);
    }

    // The picture in a window whose inner area is `client` pixels.
    void openInWindow(const QImage& picture, QSize client) {
        editor->putCapture(picture, true);
        const int w = picture.width() * 15, h = picture.height() * 15;
        place({w + 160, h + 2590, units::tw(client.width()) + 120, units::tw(client.height()) + 390,
               units::tw(client.height()) + 390});
    }

    void place(const EditorPlacement& p) {
        editor->placeEditor(p);
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
        const QSize wanted(units::px(p.windowWidthTw - 120), units::px(p.windowHeightTw - 390));
        // The window manager may take a moment to settle the size it was asked for.
        ASSERT_TRUE(QTest::qWaitFor([&] { return editor->size() == wanted; }, 1000))
            << editor->width() << "x" << editor->height();
    }

    // The picture a picture of `size` filled with a pattern that differs per pixel.
    static QImage pattern(int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                img.setPixel(x, y, qRgb((x * 7) & 0xff, (y * 5) & 0xff, 0x40));
            }
        }
        return img;
    }

    Canvas* canvas() { return editor->PicDrawBox; }
    void ctrlKey(Qt::Key key) { QTest::keyClick(canvas(), key, Qt::ControlModifier); }

    LC_Form3_pic* editor = nullptr;
};
