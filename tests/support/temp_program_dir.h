#pragma once

#include <QString>
#include <QTemporaryDir>

// A private program folder for one test: a fresh copy of the shipped settings file in BD/ (and
// the other data folders), so that no test sees another's settings.
class TempProgramDir {
public:
    TempProgramDir();

    QString path() const { return dir_.path(); }
    QString dbPath() const;

    // Sets one field of the settings row (NULL when value is a null QString).
    void setField(const QString& field, const QString& value) const;
    // Reads one field of the settings row as text (NULL as "").
    QString field(const QString& field) const;
    // Runs any SQL on the settings file (to break it on purpose).
    void exec(const QString& sql) const;

private:
    QTemporaryDir dir_;
};
