#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs a program to its end with `env` and returns its standard output; `status` gets its exit
// code, or -1 when it crashed or did not end within `timeoutMs` (it is then killed);
// `standardError`, when given, gets what it wrote there.
QByteArray runToEnd(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                    int* status, int timeoutMs, QByteArray* standardError = nullptr);
