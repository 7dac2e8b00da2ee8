// The real colour and save dialogs, answered from a timer as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "editor/save_copy.h"
#include "platform/colour_dialog.h"
#include "platform/save_dialog.h"

namespace {

// A test before this one may have ended the program (QCoreApplication::quit); from then on
// every nested event loop, a dialog's too, returns at once until the application's own loop
// has run again.
void runAgainAfterAnEndedProgram() {
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

// Runs `answer` on the dialog of type D once it is up.
template <class D>
void whenShown(const std::function<void(D*)>& answer) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, poll] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<D*>(w); d && d->isVisible()) {
                answer(d);
                return;
            }
        }
        QTimer::singleShot(20, *poll);
    };
    QTimer::singleShot(0, *poll);
}

TEST(ColourDialog, PresetWithSixteenBlackCustomColoursEveryTime) {
    runAgainAfterAnEndedProgram();
    QColorDialog::setCustomColor(3, Qt::red);  // left from an earlier dialog
    QColor shown;
    std::vector<QColor> custom;
    whenShown<QColorDialog>([&](QColorDialog* d) {
        shown = d->currentColor();
        for (int i = 0; i < QColorDialog::customCount(); ++i) {
            custom.push_back(QColorDialog::customColor(i));
        }
        d->setCurrentColor(Qt::black);
        d->accept();
    });
    const std::optional<QColor> chosen = platform::realChooseColor(nullptr, QColor(10, 120, 200));
    EXPECT_EQ(shown, QColor(10, 120, 200));
    ASSERT_EQ(custom.size(), 16u);
    for (const QColor& c : custom) {
        EXPECT_EQ(c, QColor(Qt::black));
    }
    ASSERT_TRUE(chosen.has_value());  // black is a choice, not "nothing chosen"
    EXPECT_EQ(*chosen, QColor(Qt::black));

    whenShown<QColorDialog>([](QColorDialog* d) { d->reject(); });
    EXPECT_FALSE(platform::realChooseColor(nullptr, Qt::white).has_value());
}

const platform::SaveDialogRequest kSave = saveRequest();

// Types `name` into the dialog's name box and presses Enter, as a user does.
void typeName(QFileDialog* d, const QString& name) {
    auto* box = d->findChild<QLineEdit*>("fileNameEdit");
    box->setText(name);
    QTest::keyClick(box, Qt::Key_Return);
}

TEST(SaveDialog, TitleFiltersBmpFirstAndTheRuleOfTheTypeChosenOnTheNameTyped) {
    runAgainAfterAnEndedProgram();
    QTemporaryDir dir;
    QString title, selected;
    QStringList filters;
    whenShown<QFileDialog>([&](QFileDialog* d) {
        title = d->windowTitle();
        filters = d->nameFilters();
        selected = d->selectedNameFilter();
        d->setDirectory(dir.path());
        typeName(d, "foto");
    });
    EXPECT_EQ(platform::realChooseSaveFile(nullptr, kSave), dir.filePath("foto.bmp"));
    EXPECT_EQ(title, "Salvar Imagem");
    EXPECT_EQ(filters, (QStringList{"Bitmap Files (*.bmp)", "PNG (*.png)", "JPEG (*.jpg *.jpeg)"}));
    EXPECT_EQ(selected, "Bitmap Files (*.bmp)");

    for (const auto& [filter, typed, written] :
         {std::tuple{"PNG (*.png)", "foto", "foto.png"},
          {"PNG (*.png)", "foto.bmp", "foto.bmp.png"},
          {"JPEG (*.jpg *.jpeg)", "foto", "foto.jpg"},
          {"JPEG (*.jpg *.jpeg)", "foto.JPEG", "foto.JPEG"}}) {
        whenShown<QFileDialog>([&](QFileDialog* d) {
            d->setDirectory(dir.path());
            d->selectNameFilter(filter);
            typeName(d, typed);
        });
        EXPECT_EQ(platform::realChooseSaveFile(nullptr, kSave), dir.filePath(written)) << typed;
    }

    whenShown<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(platform::realChooseSaveFile(nullptr, kSave), QString());
}

TEST(SaveDialog, TheNameTypedIsTakenLiterallyInTheFolderShownOrRefused) {
    runAgainAfterAnEndedProgram();
    QTemporaryDir dir;
    QStringList told;
    bool openAfterRefusal = false;
    whenShown<QFileDialog>([&](QFileDialog* d) {
        d->setDirectory(dir.path());
        whenShown<QMessageBox>([&](QMessageBox* m) {
            told << m->text();
            m->accept();
        });
        typeName(d, "../fora");
        openAfterRefusal = d->isVisible();
        typeName(d, "nota \"final\" 2");  // Qt's own reading would make it final.bmp
    });
    EXPECT_EQ(platform::realChooseSaveFile(nullptr, kSave), dir.filePath("nota \"final\" 2.bmp"));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("não pode conter \"/\"")) << told[0].toStdString();
    EXPECT_TRUE(openAfterRefusal);
}

TEST(SaveDialog, AsksAboutTheFileThatWillReallyBeWritten) {
    runAgainAfterAnEndedProgram();
    QTemporaryDir dir;
    QFile existing(dir.filePath("foto.png.bmp"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QStringList asked;
    bool openAfterNo = false;
    whenShown<QFileDialog>([&](QFileDialog* d) {
        d->setDirectory(dir.path());
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            whenShown<QMessageBox>([&asked, answer](QMessageBox* m) {
                asked << m->text();
                m->button(answer)->click();
            });
            typeName(d, "foto.png");
            openAfterNo = openAfterNo || d->isVisible();
        }
    });
    EXPECT_EQ(platform::realChooseSaveFile(nullptr, kSave), dir.filePath("foto.png.bmp"));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], "O arquivo \"foto.png.bmp\" já existe.\nDeseja substituí-lo?");
    EXPECT_TRUE(openAfterNo);
}

// The texts Qt draws itself, in the program's language: the colour and save dialogs, and the
// standard buttons of a question.
TEST(StandardDialogs, SpeakPortuguese) {
    runAgainAfterAnEndedProgram();
    const auto buttonTexts = [](QWidget* d) {
        QStringList texts;
        for (auto* b : d->findChildren<QPushButton*>()) {
            texts << b->text();
        }
        return texts;
    };
    QString title;
    QStringList buttons;
    whenShown<QColorDialog>([&](QColorDialog* d) {
        title = d->windowTitle();
        buttons = buttonTexts(d);
        d->reject();
    });
    platform::realChooseColor(nullptr, Qt::white);
    EXPECT_EQ(title, "Selecionar cor");
    EXPECT_TRUE(buttons.contains("OK") && buttons.contains("Cancelar"))
        << buttons.join('|').toStdString();

    QStringList labels;
    whenShown<QFileDialog>([&](QFileDialog* d) {
        for (auto* label : d->findChildren<QLabel*>()) {
            labels << label->text();
        }
        buttons = buttonTexts(d);
        d->reject();
    });
    platform::SaveDialogRequest request;
    request.title = "Salvar Imagem";
    request.filter = "Bitmap Files (*.bmp)";
    platform::realChooseSaveFile(nullptr, request);
    EXPECT_TRUE(labels.contains("Procurar em:") && labels.contains("&Nome do arquivo:"))
        << labels.join('|').toStdString();
    EXPECT_TRUE(buttons.contains("&Salvar") && buttons.contains("Cancelar"))
        << buttons.join('|').toStdString();

    QMessageBox question(QMessageBox::Question, "Lumacap", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text(), "&Sim");
    EXPECT_EQ(question.button(QMessageBox::No)->text(), "&Não");
}

}  // namespace
