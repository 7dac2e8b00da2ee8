#pragma once

#include <thread>

namespace platform {

// Reads the desktop's font configuration on a second thread while the display connection is
// being made, so that the first text the main window lays out does not wait for it. Where the
// fonts come from elsewhere (no fontconfig), it does nothing. The thread is joined on
// destruction; create it before QApplication and end it before the first window is built.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits for the configuration to be read (at once if it already is).
    void finish();

private:
    std::thread thread_;
};

}  // namespace platform
