#include "ui/forms.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
Forms* current = nullptr;
}

Forms::Forms() {
    Q_ASSERT(!current);
    current = this;
}

Forms::~Forms() {
    destroyAll();
    current = nullptr;
}

Forms& Forms::instance() {
    Q_ASSERT(current);
    return *current;
}

void Forms::add(LcForm* form) {
    forms_.emplace_back(form);
}

LcForm* Forms::find(const QString& name) const {
    for (const auto& f : forms_) {
        if (f && !f->isUnloading() && f->objectName() == name) {
            return f.data();
        }
    }
    return nullptr;
}

QList<LcForm*> Forms::loaded() const {
    QList<LcForm*> list;
    for (const auto& f : forms_) {
        if (f && !f->isUnloading()) {
            list << f.data();
        }
    }
    return list;
}

bool Forms::unload(const QString& name) {
    if (LcForm* f = find(name)) {
        f->unloadForm();
        return true;
    }
    return false;
}

void Forms::unloadAll() {
    ending_ = true;
    for (LcForm* f : loaded()) {
        f->unloadForm();
    }
}

void Forms::destroyAll() {
    ending_ = true;
    auto all = std::move(forms_);
    forms_.clear();
    for (auto& f : all) {
        delete f.data();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ending_ = false;  // an empty registry: a new start may load windows again
}

void Forms::forget(LcForm* form) {
    std::erase_if(forms_, [form](const QPointer<LcForm>& f) { return f.isNull() || f == form; });
}

MainFace* Forms::mainFace() const {
    if (ending_ || !mainWindow_ || mainWindow_->isUnloading()) {
        return nullptr;
    }
    return mainFace_;
}

void Forms::setMainFace(MainFace* face, LcForm* window) {
    mainFace_ = face;
    mainWindow_ = window;
}
