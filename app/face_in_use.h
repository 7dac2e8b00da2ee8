#pragma once

class QWidget;

// The window the user works with now, as lblToggleMax says: "1" the main window, "0" the
// compact toolbar. Hiding and bringing the program back act on this window.
QWidget* faceInUse();
