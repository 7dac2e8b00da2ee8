#pragma once

#include <QHash>
#include <QString>

// Makes one ReadMe PDF (A4) from its text source: a header and a footer with page numbers on
// every page, the text laid out in between. Returns 0, or 1 after printing why on stderr.
int makeReadmePdf(const QString& sourcePath, const QString& outPath,
                  const QHash<QString, QString>& values);
