#pragma once

#include <QWidget>

// Base of every window of the program. The forms registry loads a window on first touch (its
// Form_Load runs once it is registered, still hidden) and unloads it again (Form_Unload runs,
// then the window is destroyed). Closing a window by its title bar unloads it the same way.
class LcForm : public QWidget {
    Q_OBJECT
public:
    explicit LcForm(const char* name, QWidget* parent = nullptr);

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Runs Form_Unload once, drops the window from the registry and destroys it.
    void unloadForm();
    bool isUnloading() const { return unloading_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // A window that was minimised and is back comes back as a window when shown again later.
    void changeEvent(QEvent* event) override;

private:
    bool unloading_ = false;
};
