// The main window's way to the help and about windows.
#include "app/main_window.h"
#include "info/about_window.h"
#include "info/help_window.h"
#include "ui/forms.h"
#include "ui/picture_button.h"

void LC_Form1_Ini::wireInfoButtons() {
    connect(btnHelp, &PictureButton::clicked, this, &LC_Form1_Ini::btnHelp_Click);
    connect(btnAbout, &PictureButton::clicked, this, &LC_Form1_Ini::btnAbout_Click);
}

void LC_Form1_Ini::btnHelp_Click() {
    openBeside(Forms::instance().get<LC_Form5_help>(), QStringLiteral("LC_Form5_help"));
}

void LC_Form1_Ini::btnAbout_Click() {
    openBeside(Forms::instance().get<LC_Form6_about>(), QStringLiteral("LC_Form6_about"));
}
