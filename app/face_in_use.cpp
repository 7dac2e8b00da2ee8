#include "app/face_in_use.h"

#include "app/forms.h"
#include "app/main_window.h"
#include "toolbar/compact_toolbar.h"

QWidget* faceInUse() {
    auto& forms = Forms::instance();
    LC_Form1_Ini* main = forms.ifLoaded<LC_Form1_Ini>();
    if (!main || main->labels().lblToggleMax != QLatin1String("0")) {
        return main;
    }
    return forms.get<LC_Form7_mini>();
}
