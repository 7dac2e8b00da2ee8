// The end of the program, and failures that escape an event handler.
#include <QFile>
#include <QMouseEvent>
#include <QTest>
#include <stdexcept>

#include "options/options_window.h"
#include "settings/settings_error.h"
#include "support/program_fixture.h"
#include "toolbar/compact_toolbar.h"

namespace {

using ProgramEnd = ProgramTest;

TEST_F(ProgramEnd, ClosingTheMainWindowWithTheOptionsLoadedBuildsNothingAndReadsNothing) {
    ASSERT_EQ(start(), 0);
    mainWindow()->btnConfig_Click();
    ASSERT_TRUE(forms().ifLoaded<LC_Form4_config>());
    QFile::remove(dir.dbPath());  // a new main window would fail to read it

    mainWindow()->close();
    EXPECT_TRUE(forms().loaded().isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    // While the program ends no window is made, whoever asks.
    EXPECT_EQ(forms().get<LC_Form1_Ini>(), nullptr);
    EXPECT_EQ(forms().get<LC_Form7_mini>(), nullptr);
    EXPECT_EQ(Forms::instance().mainFace(), nullptr);
}

// A window whose mouse handler lets an exception escape.
class Throwing : public QWidget {
public:
    std::function<void()> onPress;

protected:
    void mousePressEvent(QMouseEvent*) override { onPress(); }
};

TEST_F(ProgramEnd, AnExceptionEscapingAHandlerIsToldAndTheProgramGoesOn) {
    Throwing w;
    w.onPress = [] {
        throw SettingsError(QStringLiteral("Arquivo de configurações X: o comando falhou"));
    };
    QTest::mouseClick(&w, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 1; }, 1000));
    EXPECT_TRUE(messages[0].startsWith("Lumacap|")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("Arquivo de configurações X: o comando falhou"));

    w.onPress = [] { throw std::runtime_error("sem memória"); };
    QTest::mouseClick(&w, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 2; }, 1000));
    EXPECT_TRUE(messages[1].contains("sem memória")) << messages[1].toStdString();
}

}  // namespace
