// The editor's tools driven from outside: a capture opened in the editor, an outline drawn
// with the mouse, a fill inside it, Ctrl+S through the real save dialog and Ctrl+C.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <optional>

#include "desktop/capture_desktop.h"
#include "desktop/screen_pictures.h"
#include "support/test_pattern.h"

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

TEST(EditorToolsDesktop, OutlineFillSaveWithCtrlSAndCopyWithCtrlC) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    const std::optional<QPoint> canvas = d.captureIntoEditor({300, 200}, {700, 500});
    ASSERT_TRUE(canvas);
    const QPoint origin(301, 201);
    const QSize size(400, 300);
    auto at = [&](QPoint p) { return *canvas + p; };

    // A closed outline, one drag per side, in the default black 1 pixel wide.
    const QRect box(QPoint(50, 50), QPoint(350, 250));
    d.drag(at(box.topLeft()), at(box.topRight()));
    d.drag(at(box.topRight()), at(box.bottomRight()));
    d.drag(at(box.bottomRight()), at(box.bottomLeft()));
    d.drag(at(box.bottomLeft()), at(box.topLeft()));

    // The fill mode, from the pen button above the canvas (pressed: the tool in use), then a
    // click inside.
    const QRect toolbar(canvas->x() - 200, canvas->y() - 45, size.width() + 400, 45);
    const auto pen = findTool(d.desktop().screenshot(), toolbar, toolPicture("pen", true));
    ASSERT_TRUE(pen.has_value());
    d.click(*pen + QPoint(7, 7));
    ASSERT_TRUE(waitUntil([&] {
        return findTool(d.desktop().screenshot(), QRect(*pen - QPoint(3, 3), QSize(20, 20)),
                        toolPicture("bucket", true))
            .has_value();
    }));
    d.click(at({200, 150}));

    // Ctrl+S; the folder typed opens, then a name typed without its extension is saved there.
    d.key("ctrl+s");
    ASSERT_TRUE(d.program().waitForWindow(QStringLiteral("Salvar Imagem")));
    QThread::msleep(300);
    d.desktop().run("xdotool", {"type", "--delay", "10", d.program().home()});
    d.key("Return");
    QThread::msleep(300);
    d.desktop().run("xdotool", {"type", "--delay", "10", "foto"});
    d.key("Return");
    const QString file = QDir(d.program().home()).filePath("foto.bmp");
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(file); }, 5000));
    QImage saved;
    ASSERT_TRUE(waitUntil([&] {
        saved = QImage(file, "BMP");
        return !saved.isNull();
    }));
    ASSERT_EQ(saved.size(), size);
    saved = saved.convertToFormat(QImage::Format_RGB32);

    int wrong = 0;
    QString first;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool onOutline = box.contains(x, y) && (x == box.left() || x == box.right() ||
                                                          y == box.top() || y == box.bottom());
            const QRgb want = onOutline ? kBlack
                              : box.adjusted(1, 1, -1, -1).contains(x, y)
                                  ? kWhite
                                  : test_pattern::at(origin.x() + x, origin.y() + y);
            if (saved.pixel(x, y) != want && wrong++ == 0) {
                first = QStringLiteral("(%1, %2): %3 instead of %4")
                            .arg(x)
                            .arg(y)
                            .arg(saved.pixel(x, y), 8, 16)
                            .arg(want, 8, 16);
            }
        }
    }
    EXPECT_EQ(wrong, 0) << first.toStdString();

    // Ctrl+C: the same pixels on the clipboard.
    ASSERT_TRUE(waitUntil([&] { return d.program().windows().size() > 0; }));
    QThread::msleep(300);
    d.key("ctrl+c");
    const QImage copied = d.waitForNewClipboard(QImage());
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), saved);
}

}  // namespace
