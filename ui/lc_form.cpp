#include "ui/lc_form.h"

#include <QCloseEvent>

#include "ui/forms.h"

LcForm::LcForm(const char* name, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
}

void LcForm::unloadForm() {
    if (unloading_) {
        return;
    }
    unloading_ = true;
    Form_Unload();
    hide();
    Forms::instance().forget(this);
    deleteLater();
}

void LcForm::closeEvent(QCloseEvent* event) {
    event->accept();
    unloadForm();
}
