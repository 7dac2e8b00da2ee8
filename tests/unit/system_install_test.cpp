// The system layout (the Debian package's) found from the programs' folder, and each user's own
// settings file made from its template.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/private_program.h"
#include "platform/program_layout.h"
#include "settings/lc_mod1_bd.h"
#include "settings/settings_error.h"
#include "settings/settings_file.h"
#include "support/temp_home.h"
#include "support/temp_program_dir.h"

namespace {

// A system install under a temporary root: /usr/bin/lumacap, /usr/lib/lumacap/ and the data the
// build made in /usr/share/lumacap/.
class SystemTree {
public:
    SystemTree() : data_(QStringLiteral(LUMACAP_DATA_DIR), "usr/share/lumacap") {
        const QString usr = data_.path() + "/../..";
        QDir().mkpath(usr + "/lib/lumacap");
        QDir().mkpath(usr + "/bin");
        QFile command(usr + "/bin/lumacap");
        command.open(QIODevice::WriteOnly);
        command.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        usr_ = QDir::cleanPath(usr);
    }
    QString usr() const { return usr_; }
    QString templateFile() const { return data_.dbPath(); }

private:
    TempProgramDir data_;
    QString usr_;
};

QByteArray bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(ProgramLayout, SystemTreeFoundFromTheProgramsFolder) {
    const SystemTree tree;
    const auto system = platform::layoutAround(tree.usr() + "/lib/lumacap");
    EXPECT_TRUE(system.system);
    EXPECT_EQ(system.dataDir, tree.usr() + "/share/lumacap");
    EXPECT_EQ(system.command, tree.usr() + "/bin/lumacap");
    EXPECT_EQ(system.shortcutIcon, LUMACAP_APP_ID);  // the theme's icon
    const std::string start =
        platform::privateProgram((tree.usr() + "/bin").toStdString(), "lumacap-start");
    EXPECT_EQ(QDir::cleanPath(QString::fromStdString(start)),
              tree.usr() + "/lib/lumacap/lumacap-start");
}

TEST(UserSettings, MadeFromTheTemplateOnceKeptAfterAndDamagedOneNamed) {
    const TempHome home;
    const SystemTree tree;
    const QByteArray pristine = bytes(tree.templateFile());
    const auto layout = platform::layoutAround(tree.usr() + "/lib/lumacap");
    const QString own = home.path() + "/config/lumacap/BD/SO_Config.mdb";

    // Even root, who may write the system's folders, gets a file of its own.
    LC_Mod1_BD::SetDatabasePath(layout);
    ASSERT_EQ(LC_Mod1_BD::dbPath(), own);
    EXPECT_EQ(QFile::permissions(own),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    LC_Mod1_BD::execute(statements::updatePosition(1500, -300));

    // The next start finds it and keeps what was stored; the template never changes.
    LC_Mod1_BD::SetDatabasePath(layout);
    EXPECT_EQ(LC_Mod1_BD::readSettings().left, "1500");
    EXPECT_EQ(LC_Mod1_BD::readSettings().top, "-300");
    EXPECT_EQ(bytes(tree.templateFile()), pristine);

    // A damaged file of the user's is told, naming it, and left for the user to look at.
    QFile damaged(own);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a settings file, not even SQLite");
    damaged.close();
    LC_Mod1_BD::SetDatabasePath(layout);
    try {
        LC_Mod1_BD::readSettings();
        ADD_FAILURE() << "a damaged file was read";
    } catch (const SettingsError& e) {
        EXPECT_TRUE(e.message().contains(own)) << e.message().toStdString();
    }
    EXPECT_EQ(bytes(own), "not a settings file, not even SQLite");

    // No template to make it from: said, naming both files. (A relative XDG_CONFIG_HOME
    // counts as none: ~/.config.)
    qputenv("XDG_CONFIG_HOME", "relative/folder");
    QFile::remove(tree.templateFile());
    try {
        settings_file::forRun(layout);
        ADD_FAILURE() << "a settings file was made from nothing";
    } catch (const SettingsError& e) {
        EXPECT_TRUE(e.message().contains(home.path() + "/.config/lumacap/BD/SO_Config.mdb"));
        EXPECT_TRUE(e.message().contains(tree.templateFile())) << e.message().toStdString();
    }
}
