#pragma once

#include <QString>
#include <QTemporaryDir>

// A private program folder for one test: a fresh copy of the data folders made by the build (or
// of an installed program), so that no test sees another's settings. `folderName` puts the copy
// in a sub-folder of that name (to test names with spaces).
class TempProgramDir {
public:
    explicit TempProgramDir(const QString& source = QStringLiteral(LUMACAP_DATA_DIR),
                            const QString& folderName = QString());

    QString path() const { return path_; }
    QString dbPath() const;

    // Sets one field of the settings row (NULL when value is a null QString).
    void setField(const QString& field, const QString& value) const;
    // Reads one field of the settings row as text (NULL as "").
    QString field(const QString& field) const;
    // Runs any SQL on the settings file (to break it on purpose).
    void exec(const QString& sql) const;

private:
    QTemporaryDir dir_;
    QString path_;
};
