// Shortcut files and what "Ok" of the options stores, in a temporary HOME.
#include "platform/shortcut_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "options/options_apply.h"
#include "settings/settings_error.h"
#include "support/temp_home.h"

namespace {

QString readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

OptionsChoice choice(bool remake, std::array<QString, 3> now) {
    OptionsChoice c;
    c.remakeShortcuts = remake;
    c.shortcutsNow = now;
    c.shortcutsStored = {"0", "1", "0"};
    c.program = "/opt/Meus Programas/Lumacap/Lumacap";
    c.icon = "/opt/Meus Programas/Lumacap/img/shortcut-icon.ico";
    return c;
}

TEST(Shortcuts, FoldersFollowTheUsersDirectories) {
    TempHome home;
    EXPECT_EQ(shortcuts::path(shortcuts::Kind::Desktop), home.path() + "/Desktop/Lumacap.desktop");
    EXPECT_EQ(shortcuts::path(shortcuts::Kind::Menu),
              home.path() + "/data/applications/Lumacap.desktop");
    EXPECT_EQ(shortcuts::path(shortcuts::Kind::Startup),
              home.path() + "/config/autostart/Lumacap.desktop");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(shortcuts::path(shortcuts::Kind::Startup),
              home.path() + "/.config/autostart/Lumacap.desktop");
}

TEST(Shortcuts, ExecIsQuotedAsDesktopEntriesRequire) {
    const QString entry = shortcuts::desktopEntry("/a b/c\"d$e`f\\g%h", "/a b/icon.ico");
    EXPECT_TRUE(entry.contains("Exec=\"/a b/c\\\\\"d\\\\$e\\\\`f\\\\\\\\g%%h\"\n"))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains("Icon=/a b/icon.ico\n"));
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("\nType=Application\n"));
    EXPECT_TRUE(entry.contains("\nName=Lumacap\n"));
}

TEST(OptionsApply, RemakeWritesCheckedKindsDeletesUncheckedAndStoresTheNewFlags) {
    TempHome home;
    // An old menu entry that the unticked box must remove; folders that do not exist yet.
    QDir().mkpath(shortcuts::folder(shortcuts::Kind::Menu));
    QFile old(shortcuts::path(shortcuts::Kind::Menu));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();

    SettingsStatement statement;
    const OptionsResult r = applyOptions(choice(true, {"1", "0", "1"}),
                                         [&](const SettingsStatement& s) { statement = s; });

    EXPECT_TRUE(r.failures.isEmpty()) << r.failures.join("; ").toStdString();
    EXPECT_FALSE(QFile::exists(shortcuts::path(shortcuts::Kind::Menu)));
    for (auto kind : {shortcuts::Kind::Desktop, shortcuts::Kind::Startup}) {
        const QString text = readFile(shortcuts::path(kind));
        EXPECT_TRUE(text.contains("Exec=\"/opt/Meus Programas/Lumacap/Lumacap\"\n"));
        EXPECT_TRUE(text.contains("Icon=/opt/Meus Programas/Lumacap/img/shortcut-icon.ico\n"));
    }
    EXPECT_TRUE(QFile::permissions(shortcuts::path(shortcuts::Kind::Desktop)) & QFile::ExeOwner);
    EXPECT_EQ(r.atalhos, QString("1") + QChar(0x1F) + "0" + QChar(0x1F) + "1");
    EXPECT_EQ(statement.values.value(3), r.atalhos);
}

TEST(OptionsApply, WithoutRemakeTheStoredFlagsStayAndNoFileIsTouched) {
    TempHome home;
    const OptionsResult r =
        applyOptions(choice(false, {"1", "1", "1"}), [](const SettingsStatement&) {});
    EXPECT_EQ(r.atalhos, QString("0") + QChar(0x1F) + "1" + QChar(0x1F) + "0");
    EXPECT_FALSE(QDir(home.path() + "/Desktop").exists());
    EXPECT_FALSE(QDir(home.path() + "/config/autostart").exists());
    EXPECT_FALSE(QDir(home.path() + "/data/applications").exists());
}

TEST(OptionsApply, MiniTrayAndStartInTrayStoreZeroZeroOne) {
    TempHome home;
    OptionsChoice c = choice(false, {"0", "0", "0"});
    c.startWithMainWindow = false;
    c.hideToTaskbar = false;
    c.startInTray = true;
    SettingsStatement statement;
    const OptionsResult r = applyOptions(c, [&](const SettingsStatement& s) { statement = s; });
    EXPECT_EQ(statement.text, statements::updateOptions("", "", "", "").text);
    EXPECT_EQ(statement.values,
              QStringList({"1", "0", "0", QString("0") + QChar(0x1F) + "1" + QChar(0x1F) + "0"}));
    EXPECT_EQ(r.optMax, "0");
    EXPECT_EQ(r.optTaskbar, "0");
    EXPECT_EQ(r.iniMinimized, "1");
}

TEST(OptionsApply, FailuresAreReportedAndTheOtherStepsStillRun) {
    TempHome home;
    // A file where the desktop folder should be: the desktop shortcut cannot be written.
    QFile blocker(home.path() + "/Desktop");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    bool stored = false;
    const OptionsResult r = applyOptions(choice(true, {"1", "0", "1"}),
                                         [&](const SettingsStatement&) { stored = true; });
    EXPECT_TRUE(stored);
    ASSERT_EQ(r.failures.size(), 1);
    EXPECT_TRUE(r.failures[0].contains("área de trabalho")) << r.failures[0].toStdString();
    EXPECT_TRUE(QFile::exists(shortcuts::path(shortcuts::Kind::Startup)));

    const OptionsResult r2 = applyOptions(
        choice(false, {"0", "0", "0"}),
        [](const SettingsStatement&) { throw SettingsError("o arquivo X não existe"); });
    ASSERT_EQ(r2.failures.size(), 1);
    EXPECT_TRUE(r2.failures[0].contains("o arquivo X não existe"));
}

}  // namespace
