#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <memory>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/services.h"
#include "support/temp_program_dir.h"
#include "ui/forms.h"

// A test of the program's real windows, in this process: a private program folder, a fresh
// forms registry, the beep and message boxes recorded instead of shown, and the colour and
// save dialogs answered as cancelled (a test that needs an answer swaps in its own).
class ProgramTest : public ::testing::Test {
protected:
    using BeepFn = decltype(platform::Services::beep);
    using MessageFn = decltype(platform::Services::message);
    using ColourFn = decltype(platform::Services::chooseColor);
    using SaveFileFn = decltype(platform::Services::chooseSaveFile);

    ProgramTest()
        : beepGuard_(platform::services().beep, [this] { ++beeps; }),
          messageGuard_(platform::services().message,
                        [this](QWidget*, const QString& title, const QString& text,
                               platform::MessageIcon) { messages << title + "|" + text; }),
          colourGuard_(platform::services().chooseColor,
                       [](QWidget*, const QColor&) { return std::optional<QColor>(); }),
          saveFileGuard_(platform::services().chooseSaveFile,
                         [](QWidget*, const platform::SaveDialogRequest&) { return QString(); }) {}

    ~ProgramTest() override {
        forms_.reset();
        QApplication::processEvents();
    }

    // Starts the program from the private folder; returns its start-up status.
    int start() { return startProgram(dir.path()); }
    LC_Form1_Ini* mainWindow() { return Forms::instance().ifLoaded<LC_Form1_Ini>(); }
    Forms& forms() { return *forms_; }

    TempProgramDir dir;
    int beeps = 0;
    QStringList messages;

private:
    std::unique_ptr<Forms> forms_ = std::make_unique<Forms>();
    platform::ScopedService<BeepFn> beepGuard_;
    platform::ScopedService<MessageFn> messageGuard_;
    platform::ScopedService<ColourFn> colourGuard_;
    platform::ScopedService<SaveFileFn> saveFileGuard_;
};
