#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <vector>

#include "ui/lc_form.h"

class MainFace;

// Owns the program's windows. The main window lives for the whole run; every other window is
// created hidden by the first get<>() and destroyed when it is unloaded. Windows reach each
// other only through this registry. One instance exists, owned by main() (or a test).
class Forms {
public:
    Forms();
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    static Forms& instance();

    // The window of class T, loaded (hidden) if it is not loaded yet. While the program ends
    // no window is made: nullptr then, for a window that is not loaded.
    template <class T>
    T* get() {
        if (auto* w = find(QString::fromLatin1(T::staticMetaObject.className()))) {
            return static_cast<T*>(w);
        }
        if (ending_) {
            return nullptr;
        }
        auto* form = new T();  // owned by the registry from here on
        add(form);
        form->Form_Load();
        return form;
    }

    // The window of class T if it is loaded, else nullptr. Never loads it.
    template <class T>
    T* ifLoaded() const {
        return static_cast<T*>(find(QString::fromLatin1(T::staticMetaObject.className())));
    }

    LcForm* find(const QString& name) const;
    // Loaded windows, in the order they were loaded.
    QList<LcForm*> loaded() const;

    // Unloads the first loaded window whose name equals `name` exactly; false if none does.
    bool unload(const QString& name);
    // The program ends: unloads every loaded window, in load order; from here on no window is
    // made and there is no main face.
    void unloadAll();
    bool ending() const { return ending_; }
    // Destroys every window at once (end of the run, end of a test); the registry is then
    // empty and a new start may load windows again.
    void destroyAll();

    // Called by a window that is unloading itself.
    void forget(LcForm* form);

    // The main face while it is loaded and the program is not ending, else nullptr. Never
    // loads a window.
    MainFace* mainFace() const;
    // Called by the main window as it is made and destroyed.
    void setMainFace(MainFace* face, LcForm* window);

private:
    void add(LcForm* form);

    std::vector<QPointer<LcForm>> forms_;
    MainFace* mainFace_ = nullptr;
    bool ending_ = false;
    QPointer<LcForm> mainWindow_;
};
