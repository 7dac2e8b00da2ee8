#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "app/command_line.h"
#include "app/instance_message.h"
#include "ui/main_face.h"

class Countdown;
class LC_Form1_Ini;

namespace platform {
class GlobalKey;
}

// Carries out a command in the running copy (its own start's, or one a second start handed
// over) and answers it once: at once when the command is taken on, or, for --output, when the
// file is written or the capture failed.
class CommandRunner : public QObject {
    Q_OBJECT
public:
    using Answer = std::function<void(const instance_message::Answer&)>;

    explicit CommandRunner(LC_Form1_Ini* main);

    void run(const CommandLine& command, Answer answer);
    // The program runs only for this one command (a first start with --output): it never shows
    // its face, and ends through the answer.
    void setOneShot() { oneShot_ = true; }

    // A capture or its countdown is under way: new commands are refused.
    bool busy() const;
    // From the main window: the capture under way has ended.
    void captureEnded(bool delivered, const QString& failure);

private:
    struct Pending {
        MainFace::CaptureOrder order;
        QString output;
        Answer answer;  // set while the answer waits for the file
    };

    void startCapture();
    // Takes the Print key for selection captures; false with the reason when it cannot.
    bool takePrintKey(QString* reason);
    void save(Pending& pending);
    void refuse(const Answer& answer);

    LC_Form1_Ini* main_;
    std::optional<Pending> pending_;
    QPointer<Countdown> countdown_;
    platform::GlobalKey* printKey_ = nullptr;
    bool oneShot_ = false;
};
