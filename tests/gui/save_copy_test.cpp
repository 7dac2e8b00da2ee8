// Saving and copying the editor's picture: buttons, window-level keys, notices and failures.
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include "support/editor_fixture.h"
#include "ui/notice_window.h"

namespace {

class SaveCopy : public EditorTest {
protected:
    using SaveFn = decltype(platform::Services::chooseSaveFile);
    using ClipboardFn = decltype(platform::Services::putImageOnClipboard);

    SaveCopy()
        : saveGuard_(
              platform::services().chooseSaveFile,
              [this](QWidget*, const platform::SaveDialogRequest& request) {
                  // As the dialog does: the folder shown, the request's name for what
                  // was typed.
                  asked.push_back(request);
                  const QFileInfo typed(answer);
                  const QString name = request.fileName(typed.fileName(), filterChosen, nullptr);
                  return answer.isEmpty() || name.isEmpty() ? QString() : typed.path() + "/" + name;
              }),
          clipboardGuard_(platform::services().putImageOnClipboard,
                          [this](const QImage& image, QString* error) {
                              copied.push_back(image);
                              if (!clipboardWorks && error) {
                                  *error = "outro programa não deixou";
                              }
                              return clipboardWorks;
                          }) {}

    void SetUp() override {
        EditorTest::SetUp();
        openAsCapture(pattern(200, 150));
    }

    LC_Form8_aviso* notice() { return Forms::instance().ifLoaded<LC_Form8_aviso>(); }

    QTemporaryDir dir;
    QString answer;        // the folder and name typed into the save dialog; empty: cancelled
    int filterChosen = 0;  // the file type chosen there: BMP, PNG, JPEG
    std::vector<platform::SaveDialogRequest> asked;
    std::vector<QImage> copied;
    bool clipboardWorks = true;

private:
    platform::ScopedService<SaveFn> saveGuard_;
    platform::ScopedService<ClipboardFn> clipboardGuard_;
};

TEST_F(SaveCopy, SaveWritesTheWholeCanvasAndShowsTheNoticeOverTheEditor) {
    // Taller than the viewport after two grows: the hidden part is saved too.
    QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    QTest::mouseClick(editor->btnUpMais, Qt::LeftButton);
    ASSERT_EQ(editor->canvasImage().height(), 190);
    answer = dir.filePath("foto");
    QTest::mouseClick(editor->btnSave, Qt::LeftButton);

    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Salvar Imagem");
    EXPECT_EQ(asked[0].filter, "Bitmap Files (*.bmp);;PNG (*.png);;JPEG (*.jpg *.jpeg)");
    EXPECT_EQ(asked[0].fileName("foto.png", 0, nullptr), "foto.png.bmp");
    const QImage saved(dir.filePath("foto.bmp"));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), editor->canvasImage());
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();

    ASSERT_TRUE(notice());
    EXPECT_EQ(notice()->lblAviso->text(), "Imagem salva!");
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(notice()->isVisible());
    EXPECT_TRUE(notice()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    using namespace window_metrics;
    EXPECT_EQ(leftTw(notice()), units::tw(units::px(leftTw(editor) + widthTw(editor) / 2 - 960)));
    EXPECT_EQ(topTw(notice()), units::tw(units::px(topTw(editor) + heightTw(editor) / 2 - 380)));
    // Saving does not change the picture.
    EXPECT_EQ(editor->history().histPos(), 2);
}

TEST_F(SaveCopy, NamesGetTheBmpSuffixByTheRule) {
    for (const char* name : {"a.png", "b.BMP", "c.Bmp", "bmp"}) {
        answer = dir.filePath(name);
        editor->btnSave->clicked();
    }
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("a.png.bmp")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a.png")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("b.BMP")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("c.Bmp")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("bmp.bmp")));
}

TEST_F(SaveCopy, TheTypeChosenInTheDialogIsTheTypeWritten) {
    for (const auto& [filter, file, magic] : {std::tuple{1, "foto.png", QByteArray("\x89PNG")},
                                              {2, "foto.jpg", QByteArray("\xff\xd8\xff")}}) {
        filterChosen = filter;
        answer = dir.filePath("foto");
        editor->btnSave->clicked();
        QFile written(dir.filePath(file));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << file;
        EXPECT_TRUE(written.read(4).startsWith(magic)) << file;
        EXPECT_EQ(QImage(dir.filePath(file)).size(), editor->canvasImage().size());
    }
    EXPECT_EQ(QImage(dir.filePath("foto.png")).convertToFormat(QImage::Format_RGB32),
              editor->canvasImage());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("foto.bmp")));
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
}

TEST_F(SaveCopy, CancelledDialogEndsQuietly) {
    answer.clear();
    editor->btnSave->clicked();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(notice());
}

TEST_F(SaveCopy, AFailedSaveIsReportedWithTheReasonAndNoNotice) {
    answer = dir.filePath("sem/pasta/foto");
    editor->btnSave->clicked();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Erro|Erro durante o salvamento: a pasta"))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("não existe"));
    EXPECT_EQ(beeps, 0);
    EXPECT_FALSE(notice());
}

TEST_F(SaveCopy, CtrlSSavesWhicheverControlHasTheFocus) {
    answer = dir.filePath("teclado");
    editor->activateWindow();
    editor->txtNumHeight->setFocus();
    QTest::keyClick(editor->txtNumHeight, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("teclado.bmp")));
    EXPECT_EQ(editor->txtNumHeight->text(), "20");  // the key did not reach the box

    QTest::keyClick(editor->txtNumHeight, Qt::Key_S);  // without Ctrl: nothing
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(SaveCopy, CopyPutsTheWholeCanvasOnTheClipboardOnceAndQuietly) {
    QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    QTest::mouseClick(editor->btnClipboard, Qt::LeftButton);
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(copied.back(), editor->canvasImage());
    EXPECT_EQ(copied.back().height(), 170);

    canvas()->setFocus();
    ctrlKey(Qt::Key_C);
    EXPECT_EQ(copied.size(), 2u);

    // From a text box with nothing selected in it too.
    editor->TextPic->setFocus();
    editor->TextPic->deselect();
    QTest::keyClick(editor->TextPic, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(copied.size(), 3u);
    EXPECT_EQ(copied.back(), editor->canvasImage());
    EXPECT_EQ(beeps, 0);
    EXPECT_FALSE(notice());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SaveCopy, CtrlCInATextBoxCopiesTheTextSelectedThere) {
    editor->activateWindow();
    editor->fraText->show();
    for (QLineEdit* box : {editor->TextPic, editor->txtNumHeight}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setFocus();
        for (const Qt::KeyboardModifiers keys : {Qt::KeyboardModifiers(Qt::ControlModifier),
                                                 Qt::ControlModifier | Qt::ShiftModifier}) {
            QGuiApplication::clipboard()->setText("antes");
            box->setSelection(0, 2);
            QTest::keyClick(box, Qt::Key_C, keys);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), box->text().left(2));
            EXPECT_TRUE(copied.empty()) << "the canvas was copied instead";
        }
        box->deselect();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(copied.size(), 1u);
        copied.clear();
    }
}

TEST_F(SaveCopy, AClipboardFailureIsReported) {
    clipboardWorks = false;
    editor->btnClipboard->clicked();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
              "Erro|Não foi possível copiar a imagem para a área de transferência: outro "
              "programa não deixou");
}

}  // namespace
