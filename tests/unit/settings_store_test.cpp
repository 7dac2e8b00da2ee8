// The settings store against a real SQLite file in a temporary folder.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QElapsedTimer>

#include "settings/lc_mod1_bd.h"
#include "settings/settings_error.h"
#include "settings/statements.h"
#include "support/temp_program_dir.h"

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { LC_Mod1_BD::SetDatabasePath(platform::layoutAround(dir.path())); }
    TempProgramDir dir;
};

TEST_F(SettingsStore, PathIsProgramFolderThenBdThenFileName) {
    EXPECT_EQ(LC_Mod1_BD::dbPath(), dir.path() + "/BD/SO_Config.mdb");
}

TEST_F(SettingsStore, ShippedRowReadsAsText) {
    const SettingsRow row = LC_Mod1_BD::readSettings();
    EXPECT_EQ(row.left, "");
    EXPECT_EQ(row.top, "");
    EXPECT_EQ(row.miniLeft, "0");
    EXPECT_EQ(row.miniTop, "0");
    EXPECT_EQ(row.iniMinimized, "0");
    EXPECT_EQ(row.optTaskbar, "0");
    EXPECT_EQ(row.optMax, "1");
    EXPECT_EQ(row.atalhos, "");
    EXPECT_EQ(row.fixWidth, "500");
    EXPECT_EQ(row.fixHeight, "100");
}

TEST_F(SettingsStore, NullFieldsReadAsEmptyText) {
    dir.setField("fixWidth", QString());
    dir.setField("left", QString());
    const SettingsRow row = LC_Mod1_BD::readSettings();
    EXPECT_EQ(row.fixWidth, "");
    EXPECT_EQ(row.left, "");
}

TEST_F(SettingsStore, StatementTextsAreExactWithPlaceholdersWhereValuesGo) {
    EXPECT_EQ(statements::selectSettings(),
              "SELECT left,top,miniLeft,miniTop,iniMinimized,optTaskbar,optMax,atalhos,fixWidth,"
              "fixHeight FROM Tabela1 where id=1");
    const SettingsStatement position = statements::updatePosition(-1200, 4305);
    EXPECT_EQ(position.text, "update Tabela1 set [left]=?,[top]=? where id=1");
    EXPECT_EQ(position.values, QStringList({"-1200", "4305"}));
    const SettingsStatement mini = statements::updateMiniPosition(7680, 4320);
    EXPECT_EQ(mini.text, "update Tabela1 set [miniLeft]=?,[miniTop]=? where id=1");
    EXPECT_EQ(mini.values, QStringList({"7680", "4320"}));
    const SettingsStatement size = statements::updateFixedSize(300, 200);
    EXPECT_EQ(size.text, "UPDATE Tabela1 SET [fixWidth]=?, [fixHeight]=? WHERE id=1");
    EXPECT_EQ(size.values, QStringList({"300", "200"}));
    const QString atalhos = QString("1") + QChar(31) + "0" + QChar(31) + "1";
    const SettingsStatement options = statements::updateOptions("1", "0", "1", atalhos);
    EXPECT_EQ(options.text,
              "UPDATE Tabela1 SET [iniMinimized]=?, [optTaskbar]=?,  [optMax]=?,  [atalhos]=? "
              "WHERE id=1");
    EXPECT_EQ(options.values, QStringList({"1", "0", "1", atalhos}));
}

TEST_F(SettingsStore, QuotesInValuesAreStoredAsTheyAre) {
    const QString atalhos = QString("1") + QChar(31) + "0'" + QChar(31) + "'); DROP TABLE x; --";
    LC_Mod1_BD::execute(statements::updateOptions("0", "1'", "1", atalhos));
    const SettingsRow row = LC_Mod1_BD::readSettings();
    EXPECT_EQ(row.atalhos, atalhos);
    EXPECT_EQ(row.optTaskbar, "1'");
    EXPECT_EQ(row.iniMinimized, "0");
}

TEST_F(SettingsStore, AFileHeldByAnotherConnectionFailsAtOnceNamingTheReason) {
    // Another connection holds the file for writing, as a second copy of the program would.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dir.dbPath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    QElapsedTimer clock;
    clock.start();
    QString message;
    try {
        LC_Mod1_BD::execute(statements::updatePosition(1, 2));
    } catch (const SettingsError& e) {
        message = e.message();
    }
    // The windows are not painted while this waits: a quarter second at most, not seconds.
    EXPECT_LT(clock.elapsed(), 250);
    EXPECT_TRUE(message.contains(LC_Mod1_BD::dbPath()) && message.contains("locked"))
        << message.toStdString();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

TEST_F(SettingsStore, EachUpdateWritesItsFieldsAndNothingElse) {
    LC_Mod1_BD::execute(statements::updatePosition(-1200, 40000));
    EXPECT_EQ(dir.field("left"), "-1200");
    EXPECT_EQ(dir.field("top"), "40000");  // no 16-bit limit

    LC_Mod1_BD::execute(statements::updateMiniPosition(7680, 4320));
    EXPECT_EQ(dir.field("miniLeft"), "7680");
    EXPECT_EQ(dir.field("miniTop"), "4320");

    LC_Mod1_BD::execute(statements::updateFixedSize(300, 200));
    EXPECT_EQ(dir.field("fixWidth"), "300");
    EXPECT_EQ(dir.field("fixHeight"), "200");

    const QString atalhos = QString("1") + QChar(31) + "0" + QChar(31) + "1";
    LC_Mod1_BD::execute(statements::updateOptions("1", "0", "0", atalhos));
    const SettingsRow row = LC_Mod1_BD::readSettings();
    EXPECT_EQ(row.iniMinimized, "1");
    EXPECT_EQ(row.optTaskbar, "0");
    EXPECT_EQ(row.optMax, "0");
    EXPECT_EQ(row.atalhos, atalhos);
    EXPECT_EQ(row.atalhos.size(), 5);
    // Fields of the other statements keep what they had.
    EXPECT_EQ(row.left, "-1200");
    EXPECT_EQ(row.fixWidth, "300");
}

TEST_F(SettingsStore, FailuresNameTheFileAndTheReason) {
    const QString path = LC_Mod1_BD::dbPath();
    auto messageOf = [](auto&& action) {
        try {
            action();
        } catch (const SettingsError& e) {
            return e.message();
        }
        return QString();
    };

    dir.exec("DELETE FROM Tabela1");
    QString m = messageOf([] { LC_Mod1_BD::readSettings(); });
    EXPECT_TRUE(m.contains(path) && m.contains("id=1")) << m.toStdString();
    // An update that finds no row is a failure, not a silent success.
    m = messageOf([] { LC_Mod1_BD::execute(statements::updatePosition(1, 2)); });
    EXPECT_TRUE(m.contains("id=1")) << m.toStdString();

    dir.exec("DROP TABLE Tabela1");
    m = messageOf([] { LC_Mod1_BD::readSettings(); });
    EXPECT_TRUE(m.contains(path) && m.contains("Tabela1")) << m.toStdString();

    QFile::remove(path);
    m = messageOf([] { LC_Mod1_BD::readSettings(); });
    EXPECT_TRUE(m.contains(path) && m.contains("não existe")) << m.toStdString();
    // The program never creates the file.
    EXPECT_FALSE(QFile::exists(path));

    QFile garbage(path);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
    m = messageOf([] { LC_Mod1_BD::readSettings(); });
    EXPECT_TRUE(m.contains(path)) << m.toStdString();
}

}  // namespace
