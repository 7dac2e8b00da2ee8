// The editor's undo history: positions, which state shows, locking, memory.
#include "editor/history/undo_history.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QImage>
#include <functional>
#include <random>
#include <vector>

#include "support/picture_target.h"

namespace {

QImage capture(int w = 48, int h = 32) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            img.setPixel(x, y, qRgb(x * 5, y * 7, (x + y) * 3));
        }
    }
    return img;
}

class History : public ::testing::Test {
protected:
    // A freehand stroke as the editor records it: the step, then the stroke.
    void stroke(QPoint from, QPoint to, QColor c = Qt::red) {
        h.recordStep(canvas);
        canvas.line(from, to, c);
    }
    void ctrl(Qt::Key key) { h.pressKey(key, Qt::ControlModifier, canvas); }

    UndoHistory h;
    PictureTarget canvas{capture()};
};

TEST_F(History, WorkedSequenceStepByStep) {
    const QImage c = capture();
    stroke({2, 2}, {20, 2});
    const QImage s1 = canvas.picture;
    const QImage record1 = c;
    EXPECT_EQ(h.record(1).picture.toImage(), record1);
    EXPECT_EQ(h.histPos(), 1);
    EXPECT_EQ(h.histTop(), 1);

    stroke({4, 10}, {4, 30}, Qt::blue);
    const QImage s2 = canvas.picture;
    const QImage record2 = s1;
    EXPECT_EQ(h.record(2).picture.toImage(), record2);

    struct Row {
        Qt::Key key;
        int pos, top;
        const QImage& shows;
        const char* what;
    };
    const std::vector<Row> table{
        {Qt::Key_Z, 1, 2, record2, "first undo keeps S2 as the tip, shows record 2"},
        {Qt::Key_Z, 0, 2, record1, "second undo shows record 1"},
        {Qt::Key_Z, 0, 2, record1, "nothing left to undo"},
        {Qt::Key_Y, 2, 2, record2, "redo shows record 2"},
        {Qt::Key_Y, 2, 2, s2, "redo uses the tip"},
        {Qt::Key_Y, 2, 2, s2, "nothing left to redo"},
    };
    for (const Row& r : table) {
        SCOPED_TRACE(r.what);
        ctrl(r.key);
        EXPECT_EQ(h.histPos(), r.pos);
        EXPECT_EQ(h.histTop(), r.top);
        EXPECT_EQ(canvas.picture, r.shows);
    }
    EXPECT_FALSE(h.tipSaved());
}

TEST_F(History, OnlyTheCtrlBitCountsAndOtherKeysDoNothing) {
    stroke({1, 1}, {9, 9});
    const QImage done = canvas.picture;
    h.pressKey(Qt::Key_Z, Qt::NoModifier, canvas);
    h.pressKey(Qt::Key_Z, Qt::AltModifier | Qt::ShiftModifier, canvas);
    h.pressKey(Qt::Key_X, Qt::ControlModifier, canvas);
    EXPECT_EQ(canvas.picture, done);
    EXPECT_EQ(h.histPos(), 1);

    h.pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, canvas);
    EXPECT_EQ(h.histPos(), 0);
    EXPECT_NE(canvas.picture, done);
    EXPECT_EQ(h.pressKey(Qt::Key_C, Qt::ControlModifier, canvas), CanvasKey::Copy);
}

TEST_F(History, HundredAndFirstStepDropsTheOldest) {
    std::vector<QImage> recorded;
    for (int i = 0; i < 101; ++i) {
        canvas.picture.setPixel(i % 48, i / 48, qRgb(i, 255 - i, 7));
        recorded.push_back(canvas.picture);
        h.SaveUndoStep(canvas);
    }
    EXPECT_EQ(h.histPos(), 100);
    EXPECT_EQ(h.histTop(), 100);
    EXPECT_EQ(h.record(1).picture.toImage(), recorded[1]);
    EXPECT_EQ(h.record(100).picture.toImage(), recorded[100]);

    for (int i = 0; i < 100; ++i) {
        ctrl(Qt::Key_Z);
    }
    EXPECT_EQ(h.histPos(), 0);
    EXPECT_EQ(canvas.picture, recorded[1]);
    ctrl(Qt::Key_Z);
    EXPECT_EQ(canvas.picture, recorded[1]);
}

TEST_F(History, NewStepAfterUndoEndsTheRedoBranch) {
    stroke({2, 2}, {20, 2});
    stroke({2, 8}, {20, 8}, Qt::green);
    ctrl(Qt::Key_Z);
    ASSERT_EQ(h.histPos(), 1);

    stroke({2, 20}, {30, 20}, Qt::blue);  // starts from record 2 (shown by the undo)
    const QImage started = h.record(2).picture.toImage();
    const QImage s3 = canvas.picture;
    EXPECT_FALSE(h.afterUndo());
    EXPECT_FALSE(h.tipSaved());

    ctrl(Qt::Key_Y);
    EXPECT_EQ(canvas.picture, s3) << "redo must not move past the newest step";
    EXPECT_EQ(h.histPos(), 2);
    EXPECT_EQ(h.histTop(), 2);
    EXPECT_EQ(canvas.restores, 1);

    ctrl(Qt::Key_Z);
    EXPECT_EQ(canvas.picture, started);
    EXPECT_EQ(h.histPos(), 1);
    ctrl(Qt::Key_Y);
    ctrl(Qt::Key_Y);
    EXPECT_EQ(canvas.picture, s3);
    EXPECT_EQ(h.histPos(), 2);
}

TEST_F(History, PositionsStayWithinTheRecordedStepsOnAFreshHistory) {
    const QImage start = canvas.picture;
    ctrl(Qt::Key_Z);
    ctrl(Qt::Key_Y);
    ctrl(Qt::Key_Z);
    ctrl(Qt::Key_Y);
    EXPECT_EQ(h.histPos(), 0);
    EXPECT_EQ(h.histTop(), 0);
    EXPECT_EQ(canvas.restores, 0);
    EXPECT_EQ(canvas.picture, start);
}

TEST_F(History, UndoAfterRedoingBackKeepsTheNewestState) {
    stroke({2, 2}, {20, 2});
    stroke({2, 8}, {20, 8}, Qt::green);
    const QImage s2 = canvas.picture;
    ctrl(Qt::Key_Z);
    ctrl(Qt::Key_Z);
    ctrl(Qt::Key_Y);  // back at record 2, the tip still ahead
    ctrl(Qt::Key_Z);
    ctrl(Qt::Key_Y);
    ctrl(Qt::Key_Y);
    EXPECT_EQ(canvas.picture, s2) << "the last stroke was lost";
}

TEST_F(History, EveryUndoOrRedoThatIsNotAtAnEndShowsTheNextState) {
    // Three strokes: the states C, S1, S2, S3 in order; the keys walk along them.
    std::vector<QImage> states{canvas.picture};
    for (int i = 0; i < 3; ++i) {
        stroke({2, 4 + 8 * i}, {40, 4 + 8 * i}, QColor::fromHsv(i * 90, 255, 255));
        states.push_back(canvas.picture);
    }
    std::size_t at = states.size() - 1;
    std::mt19937 rng(15);
    for (int press = 0; press < 300; ++press) {
        const bool undo = rng() % 2 == 0;
        SCOPED_TRACE(testing::Message() << "press " << press << (undo ? " undo" : " redo"));
        ctrl(undo ? Qt::Key_Z : Qt::Key_Y);
        at = undo ? (at > 0 ? at - 1 : 0) : std::min(at + 1, states.size() - 1);
        ASSERT_EQ(canvas.picture, states[at]) << "expected state " << at;
        ASSERT_GE(h.histPos(), 0);
        ASSERT_LE(h.histPos(), h.histTop());
    }
    // A stroke made while an older state shows (here after a redo) goes on from that state.
    for (; at > 0; --at) {
        ctrl(Qt::Key_Z);
    }
    ctrl(Qt::Key_Y);
    ASSERT_EQ(canvas.picture, states[1]);
    stroke({30, 28}, {40, 28}, Qt::yellow);
    ctrl(Qt::Key_Z);
    EXPECT_EQ(canvas.picture, states[1]);
    ctrl(Qt::Key_Z);
    EXPECT_EQ(canvas.picture, states[0]);
}

TEST_F(History, ResetLocksTheKeysUntilAStepClearsTheLock) {
    stroke({2, 2}, {20, 2});
    stroke({2, 8}, {20, 8});
    h.reset();
    EXPECT_EQ(h.histPos(), 0);
    EXPECT_EQ(h.histTop(), 0);
    EXPECT_TRUE(h.historyLocked);
    EXPECT_TRUE(h.record(1).picture.isNull());

    const QImage afterReset = canvas.picture;
    ctrl(Qt::Key_Z);
    ctrl(Qt::Key_Y);
    EXPECT_EQ(canvas.picture, afterReset);
    EXPECT_EQ(canvas.restores, 0);

    // A fill records its step without clearing the lock.
    h.SaveUndoStep(canvas);
    canvas.picture.fill(Qt::white);
    EXPECT_EQ(h.histPos(), 1);
    ctrl(Qt::Key_Z);
    EXPECT_EQ(canvas.picture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(h.histPos(), 1);

    stroke({5, 5}, {30, 5});
    ctrl(Qt::Key_Z);
    EXPECT_EQ(h.histPos(), 1);
    EXPECT_EQ(canvas.picture.pixel(20, 5), qRgb(255, 255, 255));
}

TEST_F(History, SnapshotsAreIndependentOfLaterDrawing) {
    const QImage before = canvas.picture;
    h.SaveUndoStep(canvas);
    canvas.picture.fill(Qt::black);
    canvas.line({0, 0}, {47, 31}, Qt::yellow);
    EXPECT_EQ(h.record(1).picture.toImage(), before);

    // A snapshot sharing tiles with an earlier one is independent of it too.
    canvas.picture = before;
    canvas.line({1, 1}, {3, 1});
    const QImage second = canvas.picture;
    h.SaveUndoStep(canvas);
    canvas.picture.fill(Qt::black);
    EXPECT_EQ(h.record(1).picture.toImage(), before);
    EXPECT_EQ(h.record(2).picture.toImage(), second);
}

TEST_F(History, UndoGivesBackCanvasAndWindowHeightsUnlessMaximised) {
    canvas.windowHeight = 3865;
    h.SaveUndoStep(canvas);  // as a grow does, before the growth
    canvas.picture = capture(48, 52);
    canvas.windowHeight = 4165;
    ctrl(Qt::Key_Z);
    EXPECT_EQ(canvas.restoredCanvasHeight, 32 * 15 + 60);
    EXPECT_EQ(canvas.windowHeight, 3865);

    ctrl(Qt::Key_Y);
    EXPECT_EQ(canvas.windowHeight, 4165);
    EXPECT_EQ(canvas.picture.height(), 52);

    canvas.isMaximised = true;
    canvas.windowHeight = 9999;
    ctrl(Qt::Key_Z);
    EXPECT_EQ(canvas.picture.height(), 32);
    EXPECT_EQ(canvas.windowHeight, 9999);
}

TEST_F(History, MaximisedStepKeepsTheSlotsWindowHeight) {
    canvas.isMaximised = true;
    canvas.windowHeight = 5000;
    h.SaveUndoStep(canvas);
    EXPECT_EQ(h.record(1).formHeight, 0);

    canvas.isMaximised = false;
    ctrl(Qt::Key_Z);
    EXPECT_EQ(canvas.windowHeight, 5000) << "a window height never recorded must not be used";
    EXPECT_EQ(canvas.restores, 1);
}

TEST(HistoryMemory, HundredShortStrokesOn4kCanvasStayFarBelowHundredCopies) {
    QImage start(3840, 2160, QImage::Format_RGB32);
    start.fill(qRgb(30, 60, 90));
    PictureTarget canvas(start);
    UndoHistory h;
    const std::size_t canvasBytes = static_cast<std::size_t>(start.sizeInBytes());
    for (int i = 0; i < 100; ++i) {
        const QPoint a(37 * i % 3700, 19 * i % 2100);
        canvas.line(a, a);
        h.SaveUndoStep(canvas);
        canvas.line(a, a + QPoint(40, 25), QColor::fromHsv(i * 3, 255, 255));
    }
    h.pressKey(Qt::Key_Z, Qt::ControlModifier, canvas);
    EXPECT_LE(h.bytesHeld(), 64u * 1024 * 1024);
    EXPECT_LT(h.bytesHeld(), 2 * canvasBytes);
    EXPECT_GE(h.bytesHeld(), canvasBytes);  // one whole picture at least
}

TEST(HistoryMemory, GrowsUpHoldAboutTheAddedBandsAndUndoExactly) {
    PictureTarget canvas(capture(1280, 720));
    UndoHistory h;
    const double canvasBytes = canvas.picture.sizeInBytes();
    auto digest = [&canvas] {
        const QImage& p = canvas.picture;
        return QCryptographicHash::hash(QByteArrayView(p.constBits(), p.sizeInBytes()),
                                        QCryptographicHash::Sha1);
    };
    std::vector<QByteArray> shown;  // before each grow, then the newest
    constexpr int kGrows = 50, kBand = 20;
    for (int i = 0; i < kGrows; ++i) {
        shown.push_back(digest());
        h.recordStep(canvas);  // as a grow does, before the growth
        QImage grown(1280, canvas.picture.height() + kBand, QImage::Format_RGB32);
        grown.fill(QColor::fromHsv(i * 7, 200, 255));
        QPainter(&grown).drawImage(0, kBand, canvas.picture);
        canvas.picture = grown;
    }
    shown.push_back(digest());
    EXPECT_LE(h.bytesHeld(), 1.5 * (kGrows * kBand * 1280 * 4 + canvasBytes));
    for (int i = kGrows - 1; i >= 0; --i) {
        h.pressKey(Qt::Key_Z, Qt::ControlModifier, canvas);
        ASSERT_EQ(digest(), shown[i]) << "undo to step " << i + 1;
    }
    for (int i = 1; i <= kGrows; ++i) {
        h.pressKey(Qt::Key_Y, Qt::ControlModifier, canvas);
        ASSERT_EQ(digest(), shown[i]) << "redo to step " << i + 1;
    }
}

}  // namespace
