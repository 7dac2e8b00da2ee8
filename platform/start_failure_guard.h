#pragma once

#include <QtGlobal>

namespace platform {

// While it lives, a fatal error from Qt (above all: no display to open, where Qt would abort
// with a core dump) ends the program with status 1 and a Portuguese message on stderr that
// says what failed, with Qt's own words after it. Create it before QApplication and end it once
// QApplication stands: later fatal errors are Qt's own again.
class StartFailureGuard {
public:
    StartFailureGuard();
    ~StartFailureGuard();
    StartFailureGuard(const StartFailureGuard&) = delete;
    StartFailureGuard& operator=(const StartFailureGuard&) = delete;

    void finish();

private:
    bool active_ = false;
};

}  // namespace platform
