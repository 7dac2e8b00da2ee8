#pragma once

#include <QObject>

// Discards every key that would type something other than a digit, backspace or enter into the
// text boxes it watches. Keys that only move the caret still reach them.
class SizeKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
