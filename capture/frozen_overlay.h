#pragma once

class LC_Form2_cap;
class QObject;

// Captures where the program cannot read the screen itself (a Wayland session): the desktop
// takes the picture through its Screenshot portal once the program's windows have left the
// screen. An area is then marked on that still picture, which the overlay shows full screen on
// every screen; the whole screen is cut from it. Both end as the other captures do
// (capture_outcome).
namespace frozen_overlay {

// Whether captures are made this way in this session.
bool used();

// The main window and the editor have just been hidden: takes the picture and shows it on the
// overlay (loaded, not shown).
void startArea(LC_Form2_cap* overlay);

// The same for "Tela": the screen of the window the user works with (the first screen when
// none is shown) goes to the editor's canvas and on as the capture's order says. `context`
// carries the waits.
void startWholeScreen(QObject* context);

}  // namespace frozen_overlay
