#pragma once

#include <QPoint>

// The main window's controls as a desktop test clicks them, for a harness (`Harness`) that
// clicks a point of the main window's client area with clickMain (logical pixels).
template <class Harness>
class MainWindowClicks {
public:
    void clickCapture() { self().clickMain({213, 30}); }  // BtnCapture, centre
    void chooseSelection() { self().clickMain({27, 28}); }
    void chooseFixedArea() { self().clickMain({97, 28}); }
    void chooseWholeScreen() { self().clickMain({153, 28}); }
    void chooseCopy() { self().clickMain({166, 58}); }
    void chooseEdit() { self().clickMain({111, 58}); }
    void toggleHide() { self().clickMain({20, 92}); }

private:
    Harness& self() { return static_cast<Harness&>(*this); }
};
