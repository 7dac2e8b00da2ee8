#pragma once

#include <QObject>
#include <memory>

namespace platform {

// One key taken from the whole desktop while this object holds it: pressed() comes wherever
// the focus lies. Only where the system lets a program take a key (X11); elsewhere, and when
// another program holds the key already, grab() says so and takes nothing.
class GlobalKey : public QObject {
    Q_OBJECT
public:
    enum class Key { Escape, Print };

    GlobalKey(Key key, QObject* parent);
    ~GlobalKey() override;

    // False with the reason (in Portuguese) when the key could not be taken.
    bool grab(QString* reason);

Q_SIGNALS:
    void pressed();

private:
    struct Grab;
    Key key_;
    std::unique_ptr<Grab> grab_;
};

}  // namespace platform
