#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What a start of the program was asked to do, read from its arguments. Pure: no window, no
// application object, so that a start that only hands its arguments on stays light.
struct CommandLine {
    enum class Capture { Selection, Area, Screen };
    enum class Outcome { MainWindowChoice, Copy, Edit };

    bool help = false;
    bool version = false;
    std::optional<Capture> capture;
    Outcome outcome = Outcome::MainWindowChoice;
    int delaySeconds = 0;
    QString output;  // as given; see resolvedAgainst()
    bool tray = false;
    bool printKey = false;  // take the Print key from the desktop (X11), if nobody holds it

    // With a relative --output made absolute against `folder` (where that start was run).
    CommandLine resolvedAgainst(const QString& folder) const;
};

namespace command_line {

inline constexpr int kMaxDelaySeconds = 60;
// Exit status of a start whose arguments could not be used: nothing was started.
inline constexpr int kUsageStatus = 2;

struct Parsed {
    std::optional<CommandLine> command;  // empty when the arguments could not be used
    QString error;                       // then: a Portuguese message naming the option
};

// Reads the arguments after the program's name.
Parsed parse(const QStringList& arguments);

// The text of --help, for the program started as `command`, and the line of --version.
QString helpText(const QString& command);
QString versionText();

}  // namespace command_line
