#include "app/face_in_use.h"

#include "app/forms.h"
#include "app/main_window.h"

QWidget* faceInUse() {
    // The compact toolbar is not part of the program yet, so the main window is the face for
    // either value of lblToggleMax; this is the one place that changes when the toolbar arrives.
    return Forms::instance().ifLoaded<LC_Form1_Ini>();
}
