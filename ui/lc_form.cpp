#include "ui/lc_form.h"

#include <QCloseEvent>
#include <QWindowStateChangeEvent>

#include "platform/window_hints.h"
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

void LcForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    // Back from the taskbar: shown again after a later hiding, it must come back as a window.
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized)) {
        platform::forgetStartMinimised(this);
    }
}

void LcForm::closeEvent(QCloseEvent* event) {
    event->accept();
    unloadForm();
}
