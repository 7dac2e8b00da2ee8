#pragma once

#include <QApplication>

// The program's application object. Every event of every window passes through notify(): an
// exception that an event handler let escape ends there with a message naming what failed,
// never the whole program with it.
class LumacapApplication : public QApplication {
    Q_OBJECT
public:
    LumacapApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void reportFailure(const QString& reason);
};
